// Leaving the calculator: the credits window takes its place, the calculator keeps what it holds,
// a closed calculator comes back when the credits window needs its addresses, and every way out of
// the program ends it with status 0.

#include <QAction>
#include <QLabel>
#include <QLineEdit>

#include <functional>
#include <string>
#include <vector>

#include "tests/program/credits_fixture.h"

namespace {

using namespace credits_driver;

// A failing row is reported by its name.
template <class Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// What the calculator holds: the three inputs, and each result label's text and visibility.
std::vector<std::string> Holdings(const WinMain& w) {
    std::vector<std::string> held;
    for (const fw::TextField* field : {&w.txt_loanamount(), &w.txt_term(), &w.txt_interest()}) {
        held.push_back(qobject_cast<QLineEdit*>(WidgetOf(*field))->text().toStdString());
    }
    for (const fw::Label* label :
         {&w.lbl_MonthlyPayment(), &w.lbl_totalInterest(), &w.lbl_TotalCost()}) {
        const QLabel* shown = qobject_cast<QLabel*>(WidgetOf(*label));
        held.push_back((shown->isVisibleTo(shown->window()) ? "shown: " : "hidden: ") +
                       shown->text().toStdString());
    }
    return held;
}

using LeavingTest = CreditsTest;

// ---- The credits window takes the calculator's place --------------------------------------------

TEST_F(LeavingTest, QuitButtonHidesTheCalculatorAndShowsOneCreditsWindow) {
    Click(WinMain::Instance().btn_quit());
    EXPECT_EQ(WindowsOf("Credits.Credits"), 1);
    EXPECT_TRUE(Credits::Instance().impl().frame->isVisible());
    EXPECT_FALSE(WinMain::Instance().impl().frame->isVisible());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
}

struct LeaveAgainRow {
    std::string name;
    std::function<void()> leave;
};

class LeaveAgainTest : public LeavingTest, public ::testing::WithParamInterface<LeaveAgainRow> {};

TEST_P(LeaveAgainTest, BuildsNoSecondCreditsWindow) {
    Click(WinMain::Instance().btn_quit());
    Credits* first = &Credits::Instance();
    GetParam().leave();
    EXPECT_EQ(WindowsOf("Credits.Credits"), 1);
    EXPECT_EQ(&Credits::Instance(), first);
    EXPECT_TRUE(first->impl().frame->isVisible());
    EXPECT_FALSE(WinMain::Instance().impl().frame->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, LeaveAgainTest,
    ::testing::Values(LeaveAgainRow{"QuitApp", [] { App::Instance().QuitApp(); }},
                      LeaveAgainRow{"ApplicationClose", [] { App::Instance().Event_Close(); }}),
    RowName<LeaveAgainRow>);

struct HoldingsRow {
    std::string name;
    const char *amount, *term, *rate;
    bool calculate;
};

class HoldingsTest : public LeavingTest, public ::testing::WithParamInterface<HoldingsRow> {};

TEST_P(HoldingsTest, CalculatorKeepsInputsAndResultsWhileHidden) {
    const HoldingsRow& row = GetParam();
    WinMain& calculator = WinMain::Instance();
    qobject_cast<QLineEdit*>(WidgetOf(calculator.txt_loanamount()))->setText(row.amount);
    qobject_cast<QLineEdit*>(WidgetOf(calculator.txt_term()))->setText(row.term);
    qobject_cast<QLineEdit*>(WidgetOf(calculator.txt_interest()))->setText(row.rate);
    if (row.calculate) {
        Click(calculator.btn_Calculate());
    }
    const std::vector<std::string> before = Holdings(calculator);
    Click(calculator.btn_quit());
    App::Instance().QuitApp();
    EXPECT_EQ(&WinMain::Instance(), &calculator);
    EXPECT_FALSE(calculator.Visible());
    EXPECT_EQ(Holdings(calculator), before);
}

INSTANTIATE_TEST_SUITE_P(Inputs, HoldingsTest,
                         ::testing::Values(HoldingsRow{"Defaults", "100000", "360", "3.75", false},
                                           HoldingsRow{"Calculated", "250000", "180", "6.5", true},
                                           HoldingsRow{"Refused", "12,000", "abc", "", true}),
                         RowName<HoldingsRow>);

// ---- Closing the windows ------------------------------------------------------------------------

struct CloseRow {
    std::string name;
    void (*close)(fw::Window&);
};

class CloseCalculatorTest : public LeavingTest, public ::testing::WithParamInterface<CloseRow> {};

TEST_P(CloseCalculatorTest, ShowsTheCreditsWindowAndEndsNothing) {
    GetParam().close(WinMain::Instance());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
    EXPECT_EQ(fw::GetImplicitWindow("WinMain.WinMain"), nullptr);
    ASSERT_EQ(WindowsOf("Credits.Credits"), 1);
    EXPECT_TRUE(Credits::Instance().impl().frame->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, CloseCalculatorTest,
    ::testing::Values(CloseRow{"CloseEvent", [](fw::Window& w) { CloseByHand(w); }},
                      CloseRow{"WindowClose", [](fw::Window& w) { w.Close(); }}),
    RowName<CloseRow>);

TEST_F(LeavingTest, LeavingWithoutACalculatorBuildsOneAndHidesIt) {
    CloseByHand(WinMain::Instance());
    Credits* credits = &Credits::Instance();
    App::Instance().QuitApp();
    EXPECT_EQ(WindowsOf("WinMain.WinMain"), 1);
    EXPECT_FALSE(WinMain::Instance().impl().frame->isVisible());
    EXPECT_EQ(&Credits::Instance(), credits);
    EXPECT_TRUE(credits->impl().frame->isVisible());
}

// The credits window closed while a calculator is on screen: the next leave builds it anew.
TEST_F(LeavingTest, CreditsWindowClosedBesideACalculatorComesBackAsDesigned) {
    CloseByHand(WinMain::Instance());
    Click(Credits::Instance().btn_VisitOurWebsite());  // brings a new calculator
    ASSERT_TRUE(WinMain::Instance().impl().frame->isVisible());
    Credits::Instance().impl().frame->resize(1000, 700);
    CloseByHand(Credits::Instance());
    ASSERT_FALSE(fw::RuntimeIsQuitting());
    ASSERT_EQ(fw::GetImplicitWindow("Credits.Credits"), nullptr);

    Click(WinMain::Instance().btn_quit());
    ASSERT_EQ(WindowsOf("Credits.Credits"), 1);
    const Credits& again = Credits::Instance();
    EXPECT_TRUE(again.impl().frame->isVisible());
    EXPECT_EQ(again.impl().content->size(), QSize(830, 618));
    EXPECT_EQ(again.Title(), "Credits");
    EXPECT_EQ(again.ControlCount(), 5u);
}

// ---- A calculator built again from the credits window -------------------------------------------

struct RebuildRow {
    std::string name;
    fw::RectControl& (*control)(const Credits&);
    const char* opens;
};

class RebuildTest : public LeavingTest, public ::testing::WithParamInterface<RebuildRow> {
  protected:
    // Changes the calculator, closes it, and clicks the credits window's control.
    void CloseThenClick() {
        WinMain& first = WinMain::Instance();
        qobject_cast<QLineEdit*>(WidgetOf(first.txt_term()))->setText("120");
        Click(first.btn_Calculate());
        CloseByHand(first);
        Click(GetParam().control(Credits::Instance()));
    }
};

TEST_P(RebuildTest, ClickOpensTheAddressOfTheNewCalculator) {
    CloseThenClick();
    EXPECT_EQ(services.urls, std::vector<std::string>{GetParam().opens});
    EXPECT_EQ(WindowsOf("WinMain.WinMain"), 1);
    EXPECT_TRUE(WinMain::Instance().impl().frame->isVisible());
}

TEST_P(RebuildTest, NewCalculatorOpensWithDefaultInputsAndHiddenResults) {
    CloseThenClick();
    const WinMain& again = WinMain::Instance();
    EXPECT_EQ(again.Title(), "Brenquill Calculator");
    EXPECT_EQ(Holdings(again),
              (std::vector<std::string>{"100000", "360", "3.75", "hidden: Monthly Payment",
                                        "hidden: Total Interest",
                                        "hidden: Total Cost Over Loan Life $"}));
}

TEST_P(RebuildTest, NewCalculatorAnswersItsOwnMenuCommands) {
    CloseThenClick();
    QAction* about = WinMain::Instance().impl().frame->findChild<QAction*>("AboutMenu");
    ASSERT_NE(about, nullptr);
    about->trigger();
    EXPECT_EQ(services.messages, std::vector<std::string>{"About App Info Here"});
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, RebuildTest,
    ::testing::Values(
        RebuildRow{"Logo", [](const Credits& c) -> fw::RectControl& { return c.Canvas1(); },
                   "https://www.quorvane.com/freeforfun"},
        RebuildRow{"VisitOurWebsite",
                   [](const Credits& c) -> fw::RectControl& { return c.btn_VisitOurWebsite(); },
                   "https://www.quorvane.com/freeforfun"},
        RebuildRow{"ContactUsNow",
                   [](const Credits& c) -> fw::RectControl& { return c.btn_contactUs(); },
                   "https://www.quorvane.com/write-us-now"}),
    RowName<RebuildRow>);

// ---- Ending the program -------------------------------------------------------------------------

struct EndRow {
    std::string name;
    std::function<void()> end;
};

class EndTest : public ProgramTest, public ::testing::WithParamInterface<EndRow> {};

TEST_P(EndTest, ProgramEndsWithZero) {
    LoopScript script(GetParam().end);
    EXPECT_EQ(RunProgram(), 0);
    EXPECT_FALSE(script.timedOut);
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EndTest,
    ::testing::Values(
        EndRow{"ExitWithTheCalculatorHidden",
               [] {
                   Click(WinMain::Instance().btn_quit());
                   Click(Credits::Instance().btn_exit());
               }},
        EndRow{"ExitWithTheCalculatorClosed",
               [] {
                   CloseByHand(WinMain::Instance());
                   ASSERT_EQ(fw::GetImplicitWindow("WinMain.WinMain"), nullptr);
                   Click(Credits::Instance().btn_exit());
               }},
        EndRow{"ClosingCreditsWithTheCalculatorHidden",
               [] {
                   Click(WinMain::Instance().btn_quit());
                   CloseByHand(Credits::Instance());
               }},
        EndRow{
            "FileQuit",
            [] { WinMain::Instance().impl().frame->findChild<QAction*>("FileQuit")->trigger(); }}),
    RowName<EndRow>);

using FileQuitTest = ProgramTest;

TEST_F(FileQuitTest, LeavesTheCalculatorThroughTheApplicationsClose) {
    LoopScript script(
        [] { WinMain::Instance().impl().frame->findChild<QAction*>("FileQuit")->trigger(); });
    Main();
    ASSERT_FALSE(script.timedOut);
    EXPECT_EQ(WindowsOf("Credits.Credits"), 1);
    EXPECT_FALSE(WinMain::Instance().Visible());
    fw::RuntimePerformFinalizers();
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

}  // namespace
