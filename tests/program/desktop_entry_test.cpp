// The desktop entry that the program's windows name: a Wayland compositor shows a window with the
// name and icon of the entry its toolkit names, so that must be the entry the install puts in
// place.

#include <QGuiApplication>

#include <filesystem>

#include "tests/support/program_fixture.h"

namespace {

using DesktopEntryTest = ProgramTest;

TEST_F(DesktopEntryTest, WindowsNameTheEntryTheProgramShips) {
    const std::string name = QGuiApplication::desktopFileName().toStdString();
    const auto entry =
        std::filesystem::path(BRENQUILL_SOURCE_DIR) / "packaging" / (name + ".desktop");
    EXPECT_TRUE(std::filesystem::is_regular_file(entry)) << "no entry " << entry;
}

}  // namespace
