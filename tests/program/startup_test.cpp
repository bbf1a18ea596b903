// The program's start-up and its life as a whole: one application object, one calculator window,
// the event loop, and the exit status in every way the program can end.

#include <QAction>
#include <QApplication>
#include <QMenuBar>

#include <thread>

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/main_menu_bar.h"
#include "app/startup.h"
#include "calculator/win_main.h"
#include "framework/window.h"
#include "tests/support/program_fixture.h"

namespace {

int CalculatorWindows() {
    int count = 0;
    for (std::size_t i = 0; i < fw::WindowCount(); ++i) {
        count += fw::WindowAt(i).Class().fullName == "WinMain.WinMain" ? 1 : 0;
    }
    return count;
}

// Triggers the menu command with the given caption in the calculator window's menu bar, as a click
// on it would.
void ChooseMenuCommand(const QString& caption) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* bar = top->findChild<QMenuBar*>()) {
            for (QAction* action : bar->findChildren<QAction*>()) {
                if (action->text() == caption) {
                    action->trigger();
                    return;
                }
            }
        }
    }
    ADD_FAILURE() << "no menu command " << caption.toStdString();
}

using StartupTest = ProgramTest;

TEST_F(StartupTest, ApplicationObjectCarriesVersionOneWithEmptyVersionTexts) {
    EarlyStartup();
    const auto& v = App::Instance().Version();
    EXPECT_EQ(v.major, 1);
    EXPECT_EQ(v.minor, 0);
    EXPECT_EQ(v.bug, 0);
    EXPECT_EQ(v.nonRelease, 0);
    EXPECT_EQ(v.stageCode, 0);
    EXPECT_EQ(v.longVersion, "");
    EXPECT_EQ(v.shortVersion, "");
    EXPECT_EQ(v.packageInfo, "");
    EXPECT_TRUE(fw::Application::SupportsHiDPI());
}

TEST_F(StartupTest, EveryAccessGivesTheOneApplicationObject) {
    EarlyStartup();
    EXPECT_EQ(&App::Instance(), &App::Instance());
    EXPECT_EQ(&App::Instance(), fw::GetAppObject());
}

TEST_F(StartupTest, MenuBarExistsBeforeAnyWindow) {
    EarlyStartup();
    EXPECT_EQ(fw::WindowCount(), 0u);
    EXPECT_EQ(App::Instance().MenuBar(), MainMenuBar::Instance());
}

TEST_F(StartupTest, OneCalculatorWindowWhenLateStartupComesFirst) {
    EarlyStartup();
    LateStartup();
    App::Instance().Event_Open();
    EXPECT_EQ(CalculatorWindows(), 1);
    EXPECT_TRUE(WinMain::Instance().Visible());
}

TEST_F(StartupTest, OneCalculatorWindowWhenApplicationOpenComesFirst) {
    EarlyStartup();
    App::Instance().Event_Open();
    LateStartup();
    EXPECT_EQ(CalculatorWindows(), 1);
    EXPECT_TRUE(WinMain::Instance().Visible());
}

TEST_F(StartupTest, FrameworkInitialisationMakesTheCalculatorWindowAndOpensTheApplication) {
    EarlyStartup();
    fw::RunFrameworkInitialization(&LateStartup);
    EXPECT_EQ(CalculatorWindows(), 1);
    EXPECT_EQ(WinMain::Instance().Title(), "Brenquill Calculator");
}

TEST_F(StartupTest, FailureWhileBuildingTheMenuBarSkipsEverythingAfterIt) {
    fw::SetUiOperationHook([](const char* op) {
        if (std::string_view(op) == "MenuItem.AddMenu") {
            throw fw::RuntimeException("menu building failed");
        }
    });
    bool registeredAtFailure = true;
    std::size_t windowsAtFailure = 99;
    services.onMessage = [&](const std::string&) {
        registeredAtFailure = fw::GetAppObject() != nullptr;
        windowsAtFailure = fw::WindowCount();
    };
    int finalizerRuns = 0;
    bool loopRan = false;
    LoopScript script([&] { loopRan = true; });

    // The whole life of the process, with a finaliser counted as the run's first module does.
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
    fw::RuntimeRegisterFinalizer([&] { ++finalizerRuns; });
    Main();
    fw::RuntimePerformFinalizers();
    const int status = fw::RuntimeExit();

    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].find("menu building failed"), std::string::npos);
    EXPECT_FALSE(registeredAtFailure);
    EXPECT_EQ(windowsAtFailure, 0u);
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(finalizerRuns, 1);
    EXPECT_EQ(status, 1);
}

TEST_F(StartupTest, ClosingTheLastVisibleWindowEndsWithZero) {
    LoopScript script([] {
        WinMain::Instance().Close();  // the credits window takes its place
        ASSERT_FALSE(fw::RuntimeIsQuitting());
        fw::GetImplicitWindow("Credits.Credits")->Close();
    });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_FALSE(script.timedOut);
}

TEST_F(StartupTest, FileQuitEndsWithZero) {
    LoopScript script([] { ChooseMenuCommand("&Quit"); });
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_FALSE(script.timedOut);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(StartupTest, ExceptionInAHandlerEndsTheProgramWithOneAfterFinalisersRanOnce) {
    int finalizerRuns = 0;
    services.onMessage = [&](const std::string& text) {
        if (text == "About App Info Here") {
            throw fw::NilObjectException("the about box broke");
        }
    };
    LoopScript script([&] {
        fw::RuntimeRegisterFinalizer([&] { ++finalizerRuns; });
        ChooseMenuCommand("About");
    });
    EXPECT_EQ(RunProgram(), 1);
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(finalizerRuns, 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].find("internal error"), std::string::npos);
    EXPECT_NE(services.messages[0].find("NilObjectException"), std::string::npos);
    EXPECT_NE(services.messages[0].find("the about box broke"), std::string::npos);
}

TEST_F(StartupTest, QuitBeforeTheLoopLeavesTheLoopUnstarted) {
    EarlyStartup();
    bool loopRan = false;
    LoopScript script([&] { loopRan = true; });
    fw::Quit(0);
    fw::RuntimeRun();
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

TEST_F(StartupTest, UserInterfaceCallsFromAnotherThreadAreRefused) {
    EarlyStartup();
    bool refusedWindow = false;
    bool refusedMessage = false;
    std::thread other([&] {
        try {
            WinMain::Instance();
        } catch (const fw::ThreadAccessingUIException&) {
            refusedWindow = true;
        }
        try {
            fw::MessageBox("from elsewhere");
        } catch (const fw::ThreadAccessingUIException&) {
            refusedMessage = true;
        }
    });
    other.join();
    EXPECT_TRUE(refusedWindow);
    EXPECT_TRUE(refusedMessage);
    EXPECT_EQ(fw::WindowCount(), 0u);
    EXPECT_TRUE(services.messages.empty());
}

}  // namespace
