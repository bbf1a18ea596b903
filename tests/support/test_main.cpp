// Runs every test inside one QApplication, as the program does, with the services replaced by a
// recorder for the whole run: no test can block on a modal box, open a browser or need audio.

#include <QApplication>

#include <gtest/gtest.h>

#include "tests/support/program_fixture.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // Tests never need a display; ctest sets this too, but listing the tests at build time does
    // not.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    ServiceRecorder guard;
    return RUN_ALL_TESTS();
}
