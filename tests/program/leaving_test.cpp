// Leaving the calculator: the credits window that takes its place (when it shows, what its logo
// and buttons open, the calculator a click builds again once it was closed), and every way the
// program ends, with its exit status and the message of a failure that nothing handled.

#include "tests/support/window_driver.h"

namespace {

using namespace window_driver;
using rows::PrintTo;
using Texts = std::vector<std::string>;

using CreditsTest = LaunchedTest;

// However often the user leaves (the Quit button, the application's Close, as File > Quit sends
// it), there is one credits window, showing, and the calculator is hidden, not gone.
TEST_F(CreditsTest, LeavingPutsOneCreditsWindowInTheCalculatorsPlace) {
    WinMain* calculator = &WinMain::Instance();
    EXPECT_FALSE(Shows(Credits::Instance()));  // built hidden until the user leaves
    Credits* first = &Leave();
    App::Instance().QuitApp();
    App::Instance().Event_Close();
    EXPECT_EQ(&Credits::Instance(), first);
    EXPECT_EQ(&WinMain::Instance(), calculator);
    EXPECT_EQ(fw::WindowCount(), 2u);
    EXPECT_TRUE(Shows(*first));
    EXPECT_FALSE(Shows(*calculator));
    EXPECT_FALSE(fw::RuntimeIsQuitting());
}

TEST_F(CreditsTest, ClosingTheCalculatorShowsTheCreditsWindowAndEndsNothing) {
    CloseByHand(WinMain::Instance());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
    EXPECT_EQ(fw::GetImplicitWindow("WinMain.WinMain"), nullptr);
    ASSERT_EQ(fw::WindowCount(), 1u);
    EXPECT_TRUE(Shows(Credits::Instance()));
}

struct ClickRow {
    std::string name;
    const std::string* opens;
    void (WinMain::*change)(std::string_view);  // changes, on the calculator, what the click opens
};

const ClickRow kClicks[] = {{"Canvas1", &kWebsite, &WinMain::SetWebsiteURL},
                            {"btn_VisitOurWebsite", &kWebsite, &WinMain::SetWebsiteURL},
                            {"btn_contactUs", &kContact, &WinMain::SetContactURL}};

class CreditsClickTest : public CreditsTest, public ::testing::WithParamInterface<ClickRow> {};

TEST_P(CreditsClickTest, OpensTheCalculatorsAddressAsItIsAtTheClick) {
    const auto& control = Leave().ControlAs<fw::RectControl>(GetParam().name);
    Click(control);
    (WinMain::Instance().*GetParam().change)("https://example.org/elsewhere");
    Click(control);
    EXPECT_EQ(services.urls, (Texts{*GetParam().opens, "https://example.org/elsewhere"}));
    EXPECT_FALSE(Shows(WinMain::Instance()));
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Clicks, CreditsClickTest, ::testing::ValuesIn(kClicks), RowName<ClickRow>);

class RebuildTest : public CreditsClickTest {};

// A calculator closed after a calculation, then a click on the credits window that needs it: the
// new calculator opens like the first, and leaving it brings the credits window back as designed.
TEST_P(RebuildTest, ClickBuildsACalculatorThatOpensLikeTheFirst) {
    Click(WinMain::Instance().btn_Calculate());
    CloseByHand(WinMain::Instance());
    FrameOf(Credits::Instance())->resize(1000, 700);  // the one built after it closes is not
    Click(Credits::Instance().ControlAs<fw::RectControl>(GetParam().name));
    EXPECT_EQ(services.urls, Texts{*GetParam().opens});
    EXPECT_EQ(fw::WindowCount(), 2u);
    EXPECT_TRUE(Shows(WinMain::Instance()));
    EXPECT_EQ(ShownInputs(), kDefaultInputs);
    EXPECT_EQ(ShownResults(), kDesignedResults);
    CloseByHand(Credits::Instance());
    ASSERT_FALSE(fw::RuntimeIsQuitting());
    EXPECT_EQ(Leave().impl().content->size(), QSize(830, 618));
}

INSTANTIATE_TEST_SUITE_P(Clicks, RebuildTest, ::testing::ValuesIn(kClicks), RowName<ClickRow>);

// ---- Ending the program -------------------------------------------------------------------------

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
    // Quitting from the menu shows no credits window on the way out.
    EndRow{"FileQuit", [] { MenuAction(WinMain::Instance(), "FileQuit")->trigger();
                            EXPECT_FALSE(fw::AnyWindowVisible()); }},
    EndRow{"CtrlQInAField", [] { PressKey(WinMain::Instance().txt_loanamount(), Qt::Key_Q,
                                          Qt::ControlModifier); }},
    EndRow{"CtrlQInTheCreditsWindow", [] { QWidget* content = Leave().impl().content;
                                          FocusIn(content);
                                          QTest::keyClick(content, Qt::Key_Q, Qt::ControlModifier); }},
    // Visit Our Website builds the closed calculator again, beside the credits window.
    EndRow{"CtrlQInACalculatorBesideTheCredits", [] { CloseByHand(WinMain::Instance());
        Click(Credits::Instance().btn_VisitOurWebsite());
        PressKey(WinMain::Instance().txt_loanamount(), Qt::Key_Q, Qt::ControlModifier); }},
    EndRow{"FailureWhileBuildingTheMenuBar", [] {}, 1, {"menu building failed"}, FailOnAddMenu},
    EndRow{"ExceptionInAHandler", [] { MenuAction(WinMain::Instance(), "AboutMenu")->trigger(); },
           1, {"internal error", "NilObjectException", "the about box broke"}, BreakTheAboutBox}),
    RowName<EndRow>);
// clang-format on

}  // namespace
