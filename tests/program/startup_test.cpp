// The program's life as a whole: start-up with one calculator window, every way it ends with its
// exit status, and what an exception that nothing handles does.

#include <QPointer>

#include "tests/support/window_driver.h"

namespace {

using namespace window_driver;
using rows::PrintTo;

using StartupTest = WindowTest;

// The parameter says whether the application's Open comes before the late start-up callback.
class StartupOrderTest : public StartupTest, public ::testing::WithParamInterface<bool> {};

TEST_P(StartupOrderTest, MakesExactlyOneVisibleCalculatorWindow) {
    EarlyStartup();
    if (GetParam()) {
        App::Instance().Event_Open();
    }
    LateStartup();
    App::Instance().Event_Open();
    EXPECT_EQ(fw::WindowCount(), 1u);
    EXPECT_TRUE(Shows(WinMain::Instance()));
}

INSTANTIATE_TEST_SUITE_P(Orders, StartupOrderTest, ::testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "ApplicationOpenFirst" : "LateStartupFirst");
});

// The calculator window, which looks at itself just before its own Open handler.
class ProbedWinMain : public WinMain {
  public:
    void Event_Open() override {
        shownAtOpen = Shows(*this);
        WinMain::Event_Open();
    }
    bool shownAtOpen = true;
};

// The user never sees the designed placeholders that the Open handler replaces.
TEST_F(StartupTest, CalculatorShowsOnlyOnceItsOpenHandlerRan) {
    EarlyStartup();
    auto& w = static_cast<ProbedWinMain&>(fw::ConstructWindow(std::make_unique<ProbedWinMain>()));
    EXPECT_FALSE(w.shownAtOpen);
    EXPECT_TRUE(Shows(w));
}

struct EndRow {
    std::string name;
    void (*end)();
};

class EndTest : public StartupTest, public ::testing::WithParamInterface<EndRow> {};

TEST_P(EndTest, ProgramEndsWithZero) {
    LoopScript script(GetParam().end);
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_FALSE(script.timedOut);
    EXPECT_TRUE(services.messages.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ways, EndTest, ::testing::Values(
    EndRow{"ExitWithTheCalculatorHidden", [] { Click(Leave().btn_exit()); }},
    EndRow{"ExitWithTheCalculatorClosed",
           [] { CloseByHand(WinMain::Instance()); Click(Credits::Instance().btn_exit()); }},
    EndRow{"ClosingCreditsWithTheCalculatorHidden", [] { CloseByHand(Leave()); }},
    EndRow{"ClosingBothWindows",
           [] { CloseByHand(WinMain::Instance()); CloseByHand(Credits::Instance()); }},
    EndRow{"FileQuit", [] { MenuAction(WinMain::Instance(), "FileQuit")->trigger(); }},
    EndRow{"CtrlQInAField", [] { PressKey(WinMain::Instance().txt_loanamount(), Qt::Key_Q,
                                          Qt::ControlModifier); }}),
    RowName<EndRow>);
// clang-format on

TEST_F(StartupTest, FailureWhileBuildingTheMenuBarEndsWithOneAndAMessage) {
    fw::SetUiOperationHook([](const char* op) {
        if (std::string_view(op) == "MenuItem.AddMenu") {
            throw fw::RuntimeException("menu building failed");
        }
    });
    std::size_t windowsAtMessage = 99;
    services.onMessage = [&](const std::string&) { windowsAtMessage = fw::WindowCount(); };
    bool loopRan = false;
    LoopScript script([&] { loopRan = true; });
    int finalizerRuns = 0;
    fw::RuntimeRegisterFinalizer([&] { ++finalizerRuns; });
    Main();
    fw::RuntimePerformFinalizers();
    EXPECT_EQ(fw::RuntimeExit(), 1);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_NE(services.messages[0].find("menu building failed"), std::string::npos);
    EXPECT_EQ(windowsAtMessage, 0u);
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(finalizerRuns, 1);
}

TEST_F(StartupTest, ExceptionInAHandlerEndsTheProgramWithOneAfterFinalisersRanOnce) {
    int finalizerRuns = 0;
    services.onMessage = [&](const std::string& text) {
        if (text == kAbout) {
            throw fw::NilObjectException("the about box broke");
        }
    };
    LoopScript script([&] {
        fw::RuntimeRegisterFinalizer([&] { ++finalizerRuns; });
        MenuAction(WinMain::Instance(), "AboutMenu")->trigger();
    });
    EXPECT_EQ(RunProgram(), 1);
    EXPECT_EQ(finalizerRuns, 1);
    ASSERT_EQ(services.messages.size(), 1u);
    for (const char* said : {"internal error", "NilObjectException", "the about box broke"}) {
        EXPECT_NE(services.messages[0].find(said), std::string::npos) << services.messages[0];
    }
}

// A modal box runs an event loop of its own inside the handler that shows it.
TEST_F(StartupTest, ClosedWindowOutlivesAModalBoxInItsOwnHandler) {
    EarlyStartup();
    fw::RunFrameworkInitialization(&LateStartup);
    services.onMessage = [](const std::string&) {
        QEventLoop box;
        QTimer::singleShot(10, &box, &QEventLoop::quit);
        box.exec();
    };
    QPointer<QWidget> frame;
    bool aliveAfterBox = false;
    std::string titleAfterBox;
    QEventLoop program;
    QTimer::singleShot(0, &program, [&] {
        fw::Dispatch([&] {
            WinMain& window = WinMain::Instance();
            frame = FrameOf(window);
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

}  // namespace
