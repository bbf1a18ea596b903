#pragma once

// Brings the program up as it starts, with the bundle's real pictures, and drives the calculator
// and credits windows as a user would: clicks on their controls and their close buttons.

#include <QTest>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/startup.h"
#include "calculator/win_main.h"
#include "credits/credits.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/window_impl.h"
#include "framework/resources.h"
#include "tests/support/program_fixture.h"

namespace credits_driver {

// Names each row of a table by its `name`.
template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

inline QWidget* WidgetOf(const fw::RectControl& control) {
    return control.impl().widget.data();
}

inline void Click(const fw::RectControl& control) {
    QTest::mouseClick(WidgetOf(control), Qt::LeftButton);
}

// Closes the window with its close button: the toolkit's close event, as the user sends it.
inline void CloseByHand(const fw::Window& window) {
    window.impl().frame->close();
}

inline int WindowsOf(std::string_view fullName) {
    int count = 0;
    for (std::size_t i = 0; i < fw::WindowCount(); ++i) {
        count += fw::WindowAt(i).Class().fullName == fullName ? 1 : 0;
    }
    return count;
}

class CreditsTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        fw::SetApplicationBundleResourcesForTesting(ResourcesFolder());
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
    }
    void TearDown() override {
        ProgramTest::TearDown();
        fw::SetApplicationBundleResourcesForTesting({});
    }
    virtual std::filesystem::path ResourcesFolder() { return BRENQUILL_SOURCE_DIR "/resources"; }

    // Leaves the calculator as its Quit button does.
    static Credits& Leave() {
        App::Instance().QuitApp();
        return Credits::Instance();
    }
};

}  // namespace credits_driver
