// The program's life as a whole: every way it ends, with its exit status and the message of a
// failure that nothing handled.

#include "tests/support/window_driver.h"

namespace {

using namespace window_driver;
using rows::PrintTo;

using StartupTest = WindowTest;

// One way the program ends: what goes wrong first, if anything, and what the user does.
struct EndRow {
    std::string name;
    void (*end)();
    int status = 0;
    std::vector<std::string> said = {};  // fragments of the one message shown, if any
    void (*before)(ServiceRecorder&) = [](ServiceRecorder&) {};
};

class EndTest : public StartupTest, public ::testing::WithParamInterface<EndRow> {};

// The finalisers run once whichever way the program ends; the loop never runs when start-up failed.
TEST_P(EndTest, ProgramEndsWithItsStatus) {
    GetParam().before(services);
    int finalizerRuns = 0;
    bool loopRan = false;
    LoopScript script([&] {
        loopRan = true;
        fw::RuntimeRegisterFinalizer([&] { ++finalizerRuns; });
        GetParam().end();
    });
    EXPECT_EQ(RunProgram(), GetParam().status);
    EXPECT_FALSE(script.timedOut);
    EXPECT_EQ(finalizerRuns, loopRan ? 1 : 0);
    EXPECT_EQ(services.messages.size(), GetParam().said.empty() ? 0u : 1u);
    for (const std::string& fragment : GetParam().said) {
        EXPECT_NE(services.messages.at(0).find(fragment), std::string::npos) << fragment;
    }
}

void FailOnAddMenu(ServiceRecorder&) {
    fw::SetUiOperationHook([](const char* op) {
        if (std::string_view(op) == "MenuItem.AddMenu") {
            throw fw::RuntimeException("menu building failed");
        }
    });
}

void BreakTheAboutBox(ServiceRecorder& services) {
    services.onMessage = [](const std::string& text) {
        if (text == kAbout) {
            throw fw::NilObjectException("the about box broke");
        }
    };
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
                                          Qt::ControlModifier); }},
    EndRow{"FailureWhileBuildingTheMenuBar", [] {}, 1, {"menu building failed"}, FailOnAddMenu},
    EndRow{"ExceptionInAHandler", [] { MenuAction(WinMain::Instance(), "AboutMenu")->trigger(); },
           1, {"internal error", "NilObjectException", "the about box broke"}, BreakTheAboutBox}),
    RowName<EndRow>);
// clang-format on

}  // namespace
