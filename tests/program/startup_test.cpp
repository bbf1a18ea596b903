// The program's start-up and its life as a whole: one application object, one calculator window,
// the event loop, the exit status in every way the program can end, and what the application and
// the calculator window answer while it runs.

#include <QAction>

#include <thread>
#include <tuple>

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/startup.h"
#include "calculator/win_main.h"
#include "framework/qt/window_impl.h"
#include "framework/window.h"
#include "tests/support/program_fixture.h"

namespace {

template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.label;
}

using StartupTest = ProgramTest;

// The program as it stands once start-up is done, before the event loop runs.
class StartedTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
    }
};

TEST_F(StartupTest, ApplicationObjectCarriesVersionOneWithEmptyVersionTexts) {
    EarlyStartup();
    const auto& v = App::Instance().Version();
    EXPECT_EQ(std::tie(v.major, v.minor, v.bug, v.nonRelease, v.stageCode),
              std::make_tuple(1, 0, 0, 0, 0));
    EXPECT_EQ(v.longVersion + v.shortVersion + v.packageInfo, "");
    EXPECT_TRUE(fw::Application::SupportsHiDPI());
}

TEST_F(StartupTest, EveryAccessGivesTheOneApplicationObject) {
    EarlyStartup();
    EXPECT_EQ(&App::Instance(), &App::Instance());
    EXPECT_EQ(&App::Instance(), fw::GetAppObject());
}

// The parameter says whether the application's Open comes before the late start-up callback.
class StartupOrderTest : public ProgramTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StartupOrderTest, MakesExactlyOneVisibleCalculatorWindow) {
    EarlyStartup();
    if (GetParam()) {
        App::Instance().Event_Open();
        LateStartup();
    } else {
        LateStartup();
        App::Instance().Event_Open();
    }
    EXPECT_EQ(fw::WindowCount(), 1u);
    EXPECT_TRUE(WinMain::Instance().Visible());
}

INSTANTIATE_TEST_SUITE_P(Orders, StartupOrderTest, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "ApplicationOpenFirst" : "LateStartupFirst");
});

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

    // The rest of the process's life, with a finaliser counted as the run's first module does.
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
        WinMain::Instance().impl().frame->findChild<QAction*>("AboutMenu")->trigger();
    });
    EXPECT_EQ(RunProgram(), 1);
    EXPECT_EQ(finalizerRuns, 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].find("internal error"), std::string::npos);
    EXPECT_NE(services.messages[0].find("NilObjectException"), std::string::npos);
    EXPECT_NE(services.messages[0].find("the about box broke"), std::string::npos);
}

TEST_F(StartupTest, UserInterfaceCallsFromAnotherThreadAreRefused) {
    EarlyStartup();
    std::thread([] { EXPECT_THROW(WinMain::Instance(), fw::ThreadAccessingUIException); }).join();
    EXPECT_EQ(fw::WindowCount(), 0u);
}

// ---- While the program runs ---------------------------------------------------------------------

struct EventRow {
    const char* label;
    bool application;  // false: the calculator window
    const char* event;
    bool handled;
};

class EventTest : public StartedTest, public ::testing::WithParamInterface<EventRow> {};

TEST_P(EventTest, AnswersWhetherItHandlesTheEvent) {
    const EventRow& row = GetParam();
    EXPECT_EQ(row.application ? App::Instance().IsEventImplemented(row.event)
                              : WinMain::Instance().IsEventImplemented(row.event),
              row.handled);
}

INSTANTIATE_TEST_SUITE_P(Events, EventTest,
                         ::testing::Values(EventRow{"AppOpen", true, "Open", true},
                                           EventRow{"AppClose", true, "Close", true},
                                           EventRow{"AppCancelClose", true, "CancelClose", false},
                                           EventRow{"WinMainOpen", false, "Open", true},
                                           EventRow{"WinMainPaint", false, "Paint", false},
                                           EventRow{"WinMainCancelClose", false, "CancelClose",
                                                    false},
                                           EventRow{"WinMainKeyDown", false, "KeyDown", false}),
                         RowName<EventRow>);

// A calculator window that asks the getter for itself from its own Open handler.
class SelfSeekingWinMain : public WinMain {
  public:
    void Event_Open() override {
        seenAtOpen = &WinMain::Instance();
        WinMain::Event_Open();
    }
    WinMain* seenAtOpen = nullptr;
};

TEST_F(StartupTest, GetterGivesTheOneWindowFromItsOwnOpenOnwards) {
    auto& window = static_cast<SelfSeekingWinMain&>(
        fw::ConstructWindow(std::make_unique<SelfSeekingWinMain>()));
    EXPECT_EQ(window.seenAtOpen, &window);
    EXPECT_EQ(&WinMain::Instance(), &window);
    EXPECT_EQ(fw::WindowCount(), 1u);
}

TEST_F(StartedTest, GetterNeverChangesVisibility) {
    WinMain::Instance().SetVisible(false);
    EXPECT_FALSE(WinMain::Instance().Visible());
    EXPECT_FALSE(fw::AnyWindowVisible());
}

TEST_F(StartedTest, QuitAppTwiceKeepsOneHiddenCalculatorAndQuitsNothing) {
    WinMain* calculator = &WinMain::Instance();
    App::Instance().QuitApp();
    App::Instance().QuitApp();
    EXPECT_EQ(fw::GetImplicitWindow("WinMain.WinMain"), calculator);
    EXPECT_FALSE(calculator->Visible());
    EXPECT_EQ(fw::WindowCount(), 2u);  // the calculator and the credits window
    EXPECT_FALSE(fw::RuntimeIsQuitting());
}

}  // namespace

// A modal box runs an event loop of its own inside the handler that shows it.
void RunModalLoop(const std::string&) {
    QEventLoop box;
    QTimer::singleShot(10, &box, &QEventLoop::quit);
    box.exec();
}

TEST_F(StartedTest, ClosedWindowOutlivesAModalBoxInItsOwnHandler) {
    services.onMessage = RunModalLoop;
    QPointer<QWidget> frame;
    bool aliveAfterBox = false;
    std::string titleAfterBox;
    QEventLoop program;
    QTimer::singleShot(0, &program, [&] {
        fw::Dispatch([&] {
            WinMain& window = WinMain::Instance();
            frame = window.impl().frame.get();
            window.Close();
            fw::MessageBox("Goodbye");
            aliveAfterBox = !frame.isNull();
            titleAfterBox = window.Title();
        });
        program.quit();
    });
    program.exec();
    EXPECT_TRUE(aliveAfterBox);
    EXPECT_EQ(titleAfterBox, "Brenquill Calculator");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(frame.isNull());  // gone once the loop that closed it is back in control
}
