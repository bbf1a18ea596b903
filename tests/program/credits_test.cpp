// The credits window that takes the calculator's place: how it is built, what its logo and buttons
// open, the calculator it hides or brings back, and every way out of the program.

#include <QAction>

#include <algorithm>

#include "tests/support/window_driver.h"

namespace {

using namespace window_driver;
using window_driver::PrintTo;

const std::string kContact = "https://www.quorvane.com/write-us-now";
const std::string kThanks =
    "Thank you for using free software from Quorvane\r\r"
    "If you enjoy this software, please share  it with others. If you would like to see more "
    "software like this, please let us know if you enjoyed it and suggest other topics of "
    "interest. \r\r"
    "If you would like to support the author, contributions of any size are welcome.";

using CreditsTest = LaunchedTest;

// Leaves the calculator as its Quit button does.
Credits& Leave() {
    Click(WinMain::Instance().btn_quit());
    return Credits::Instance();
}
bool Shows(const fw::Window& window) {
    return FrameOf(window)->isVisible();
}

// ---- The window ---------------------------------------------------------------------------------

struct PlaceRow {
    std::string name;
    QRect place;
};

// In tab order.
const PlaceRow kPlaces[] = {{"Label1", {153, 179, 523, 300}},
                            {"Canvas1", {275, 0, 280, 167}},
                            {"btn_VisitOurWebsite", {275, 512, 134, 20}},
                            {"btn_exit", {375, 565, 80, 20}},
                            {"btn_contactUs", {421, 512, 134, 20}}};

TEST_F(CreditsTest, QuitButtonShowsOneCreditsWindowWithItsFiveControlsInTabOrder) {
    Credits& credits = Leave();
    EXPECT_EQ(fw::WindowCount(), 2u);  // the calculator and one credits window
    EXPECT_TRUE(Shows(credits));
    EXPECT_FALSE(Shows(WinMain::Instance()));
    EXPECT_FALSE(fw::RuntimeIsQuitting());
    EXPECT_EQ(FrameOf(credits)->windowTitle(), "Credits");
    EXPECT_EQ(credits.impl().content->size(), QSize(830, 618));
    ASSERT_EQ(credits.ControlCount(), std::size(kPlaces));
    for (std::size_t i = 0; i < std::size(kPlaces); ++i) {
        EXPECT_EQ(credits.ControlAt(i).Name(), kPlaces[i].name);
        EXPECT_EQ(credits.ControlAs<fw::RectControl>(kPlaces[i].name).TabIndex(), std::int64_t(i));
    }
}

TEST_F(CreditsTest, LeavingAgainBuildsNoSecondWindow) {
    Credits* first = &Leave();
    App::Instance().QuitApp();
    App::Instance().Event_Close();     // File > Quit
    EXPECT_EQ(fw::WindowCount(), 2u);  // the calculator and one credits window
    EXPECT_EQ(&Credits::Instance(), first);
    EXPECT_TRUE(Shows(*first));
}

TEST_F(CreditsTest, GetterAloneBuildsTheWindowHidden) {
    EXPECT_FALSE(Shows(Credits::Instance()));
    EXPECT_EQ(fw::WindowCount(), 2u);  // the calculator and one credits window
    EXPECT_TRUE(Shows(WinMain::Instance()));
}

class CreditsPlaceTest : public CreditsTest, public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(CreditsPlaceTest, ControlStaysPutWhileTheWindowIsResized) {
    Credits& credits = Leave();
    QWidget* widget = WidgetOf(credits.ControlAs<fw::RectControl>(GetParam().name));
    for (QSize size : {QSize(830, 618), QSize(1400, 1000), QSize(64, 64)}) {
        FrameOf(credits)->resize(size);
        QCoreApplication::processEvents();
        ASSERT_EQ(credits.impl().content->size(), size);
        EXPECT_EQ(widget->geometry(), GetParam().place) << size.width() << "x" << size.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, CreditsPlaceTest, ::testing::ValuesIn(kPlaces),
                         RowName<PlaceRow>);

TEST_F(CreditsTest, ThankYouTextReadsBackByteForByte) {
    EXPECT_EQ(Leave().Label1().Text(), kThanks);
}

TEST_F(CreditsTest, ThankYouTextShowsThreeParagraphsCentredInBoldItalic) {
    const auto* shown = qobject_cast<QLabel*>(WidgetOf(Leave().Label1()));
    std::string paragraphs = kThanks;
    std::ranges::replace(paragraphs, '\r', '\n');
    EXPECT_EQ(shown->text().toStdString(), paragraphs);
    EXPECT_TRUE(shown->alignment() & Qt::AlignHCenter);
    EXPECT_TRUE(shown->font().bold() && shown->font().italic());
    EXPECT_LE(shown->heightForWidth(523), 300);  // it fits its label
}

// ---- Logo and buttons ---------------------------------------------------------------------------

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
    EXPECT_EQ(services.urls,
              (std::vector<std::string>{*GetParam().opens, "https://example.org/elsewhere"}));
    EXPECT_FALSE(Shows(WinMain::Instance()));
}

INSTANTIATE_TEST_SUITE_P(Clicks, CreditsClickTest, ::testing::ValuesIn(kClicks), RowName<ClickRow>);

// The click is left to the canvas wherever it lands, even outside the picture.
TEST_F(CreditsTest, LogoMouseDownAnswersFalse) {
    Credits& credits = Leave();
    EXPECT_FALSE(credits.Canvas1().RaiseMouseDown(140, 83));
    EXPECT_FALSE(credits.Canvas1().RaiseMouseDown(-5, 400));
    EXPECT_EQ(services.urls, (std::vector<std::string>{kWebsite, kWebsite}));
}

// ---- The calculator behind it -------------------------------------------------------------------

TEST_F(CreditsTest, CalculatorKeepsItsInputsAndResultsWhileHidden) {
    Fill("250000", "180", "6.5");
    Click(WinMain::Instance().btn_Calculate());
    Fill("12,000", "abc", "");
    Click(WinMain::Instance().btn_Calculate());  // refused: "Invalid Input" beside the results
    const auto inputs = ShownInputs();
    const auto results = ShownResults();
    Leave();
    App::Instance().QuitApp();
    EXPECT_FALSE(Shows(WinMain::Instance()));
    EXPECT_EQ(ShownInputs(), inputs);
    EXPECT_EQ(ShownResults(), results);
}

TEST_F(CreditsTest, ClosingTheCalculatorShowsTheCreditsWindowAndEndsNothing) {
    CloseByHand(WinMain::Instance());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
    EXPECT_EQ(fw::GetImplicitWindow("WinMain.WinMain"), nullptr);
    ASSERT_EQ(fw::WindowCount(), 1u);
    EXPECT_TRUE(Shows(Credits::Instance()));
}

// The credits window closed while a calculator is on screen: the next leave builds it anew.
TEST_F(CreditsTest, CreditsWindowClosedBesideACalculatorComesBackAsDesigned) {
    CloseByHand(WinMain::Instance());
    Click(Credits::Instance().btn_VisitOurWebsite());  // brings a new calculator
    ASSERT_TRUE(Shows(WinMain::Instance()));
    FrameOf(Credits::Instance())->resize(1000, 700);
    CloseByHand(Credits::Instance());
    ASSERT_FALSE(fw::RuntimeIsQuitting());
    ASSERT_EQ(fw::GetImplicitWindow("Credits.Credits"), nullptr);
    const Credits& again = Leave();
    EXPECT_EQ(fw::WindowCount(), 2u);  // the calculator and one credits window
    EXPECT_TRUE(Shows(again));
    EXPECT_EQ(again.impl().content->size(), QSize(830, 618));
    EXPECT_EQ(again.ControlCount(), 5u);
}

class RebuildTest : public CreditsTest, public ::testing::WithParamInterface<ClickRow> {};

// A calculator closed after a calculation, then a click on the credits window that needs it.
TEST_P(RebuildTest, ClickBuildsACalculatorThatOpensLikeTheFirst) {
    Click(WinMain::Instance().btn_Calculate());
    CloseByHand(WinMain::Instance());
    Click(Credits::Instance().ControlAs<fw::RectControl>(GetParam().name));
    EXPECT_EQ(services.urls, std::vector<std::string>{*GetParam().opens});
    EXPECT_EQ(fw::WindowCount(), 2u);
    EXPECT_TRUE(Shows(WinMain::Instance()));
    EXPECT_EQ(ShownInputs(), (std::vector<std::string>{"100000", "360", "3.75"}));
    EXPECT_EQ(ShownResults(), kDesignedResults);
    FrameOf(WinMain::Instance())->findChild<QAction*>("AboutMenu")->trigger();
    EXPECT_EQ(services.messages, std::vector<std::string>{"About App Info Here"});
}

INSTANTIATE_TEST_SUITE_P(Clicks, RebuildTest, ::testing::ValuesIn(kClicks), RowName<ClickRow>);

// ---- Ending the program -------------------------------------------------------------------------

struct EndRow {
    std::string name;
    void (*end)();
};

class EndTest : public WindowTest, public ::testing::WithParamInterface<EndRow> {};

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
    EndRow{"ClosingCreditsWithTheCalculatorHidden", [] { CloseByHand(Leave()); }}),
    RowName<EndRow>);
// clang-format on

using FileQuitTest = WindowTest;

TEST_F(FileQuitTest, LeavesThroughTheApplicationsCloseAndEndsWithZero) {
    LoopScript script(
        [] { FrameOf(WinMain::Instance())->findChild<QAction*>("FileQuit")->trigger(); });
    Main();
    ASSERT_FALSE(script.timedOut);
    EXPECT_EQ(fw::WindowCount(), 2u);  // the calculator and one credits window
    EXPECT_FALSE(WinMain::Instance().Visible());
    fw::RuntimePerformFinalizers();
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

}  // namespace
