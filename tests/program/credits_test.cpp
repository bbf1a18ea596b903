// The credits window itself: how it is built, what it shows, and what its logo and buttons open.

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>

#include <filesystem>
#include <string>
#include <vector>

#include "app/bundle_resources.h"
#include "tests/program/credits_fixture.h"

namespace {

constexpr char kWebsite[] = "https://www.quorvane.com/freeforfun";
constexpr char kContact[] = "https://www.quorvane.com/write-us-now";

const std::string kThanks =
    "Thank you for using free software from Quorvane\r\r"
    "If you enjoy this software, please share  it with others. If you would like to see more "
    "software like this, please let us know if you enjoyed it and suggest other topics of "
    "interest. \r\r"
    "If you would like to support the author, contributions of any size are welcome.";

using namespace credits_driver;

// A failing row is reported by its name.
template <class Row>
requires requires(const Row& row) {
    row.name;
}
void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

// ---- The window ---------------------------------------------------------------------------------

TEST_F(CreditsTest, LeavingShowsTheWindowTitledCreditsAtItsDesignedSize) {
    Credits& credits = Leave();
    EXPECT_TRUE(credits.Visible());
    EXPECT_TRUE(credits.impl().frame->isVisible());
    EXPECT_EQ(credits.impl().frame->windowTitle(), "Credits");
    EXPECT_EQ(credits.impl().content->size(), QSize(830, 618));
}

TEST_F(CreditsTest, WindowCanBeResizedAndMaximised) {
    Credits& credits = Leave();
    EXPECT_TRUE(credits.Resizeable());
    EXPECT_TRUE(credits.impl().frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(credits.impl().content->minimumSize(), QSize(64, 64));
    EXPECT_EQ(credits.impl().content->maximumSize(), QSize(32000, 32000));
}

TEST_F(CreditsTest, WindowHasNoMenuBarOfItsOwn) {
    Credits& credits = Leave();
    EXPECT_EQ(credits.MenuBar(), nullptr);
    EXPECT_EQ(credits.impl().frame->findChild<QMenuBar*>(), nullptr);
}

TEST_F(CreditsTest, GetterAloneBuildsTheWindowHidden) {
    Credits& credits = Credits::Instance();
    EXPECT_EQ(fw::WindowCount(), 2u);
    EXPECT_FALSE(credits.Visible());
    EXPECT_FALSE(credits.impl().frame->isVisible());
    EXPECT_TRUE(WinMain::Instance().Visible());
    EXPECT_EQ(&Credits::Instance(), &credits);
}

TEST_F(CreditsTest, ControlsStandInTabOrder) {
    const char* expected[] = {"Label1", "Canvas1", "btn_VisitOurWebsite", "btn_exit",
                              "btn_contactUs"};
    Credits& credits = Leave();
    ASSERT_EQ(credits.ControlCount(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        auto& control = dynamic_cast<fw::RectControl&>(credits.ControlAt(i));
        EXPECT_EQ(control.Name(), expected[i]);
        EXPECT_EQ(control.TabIndex(), static_cast<std::int64_t>(i));
    }
}

TEST_F(CreditsTest, TabKeyGoesFromVisitToExitToContact) {
    Credits& credits = Leave();
    // The focus chain holds every widget; only the ones that take the focus count.
    auto next = [](QWidget* from) {
        QWidget* w = from->nextInFocusChain();
        while (w != from && w->focusPolicy() == Qt::NoFocus) {
            w = w->nextInFocusChain();
        }
        return w;
    };
    QWidget* visit = WidgetOf(credits.btn_VisitOurWebsite());
    EXPECT_EQ(next(visit), WidgetOf(credits.btn_exit()));
    EXPECT_EQ(next(WidgetOf(credits.btn_exit())), WidgetOf(credits.btn_contactUs()));
}

struct PlaceRow {
    std::string name;
    const char* control;
    QRect place;
    const char* caption;
};

// The label and the canvas first, then the three buttons.
const PlaceRow kPlaces[] = {
    {"ThankYouText", "Label1", {153, 179, 523, 300}, ""},
    {"Logo", "Canvas1", {275, 0, 280, 167}, ""},
    {"VisitOurWebsite", "btn_VisitOurWebsite", {275, 512, 134, 20}, "Visit Our Website"},
    {"Exit", "btn_exit", {375, 565, 80, 20}, "Exit"},
    {"ContactUsNow", "btn_contactUs", {421, 512, 134, 20}, "Contact Us Now"},
};

class ControlPlaceTest : public CreditsTest, public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(ControlPlaceTest, ShowsAtItsDesignedPlace) {
    const auto& control = Leave().ControlAs<fw::RectControl>(GetParam().control);
    QWidget* widget = WidgetOf(control);
    EXPECT_EQ(widget->geometry(), GetParam().place);
    EXPECT_EQ(widget->parentWidget(), Credits::Instance().impl().content);
    EXPECT_TRUE(widget->isVisible());
}

// The controls keep to the window's top left corner, however the user sizes it.
TEST_P(ControlPlaceTest, StaysPutWhileTheWindowIsResized) {
    Credits& credits = Leave();
    QWidget* widget = WidgetOf(credits.ControlAs<fw::RectControl>(GetParam().control));
    for (QSize size : {QSize(1400, 1000), QSize(400, 300), QSize(64, 64)}) {
        credits.impl().frame->resize(size);
        QCoreApplication::processEvents();
        ASSERT_EQ(credits.impl().content->size(), size);
        EXPECT_EQ(widget->geometry(), GetParam().place) << size.width() << "x" << size.height();
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, ControlPlaceTest, ::testing::ValuesIn(kPlaces),
                         RowName<PlaceRow>);

class ButtonTest : public CreditsTest, public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(ButtonTest, ShowsItsCaptionAndIsNeitherDefaultNorCancel) {
    const auto& button = Leave().ControlAs<fw::PushButton>(GetParam().control);
    EXPECT_EQ(qobject_cast<QAbstractButton*>(WidgetOf(button))->text(), GetParam().caption);
    EXPECT_FALSE(button.Default());
    EXPECT_FALSE(button.Cancel());
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonTest,
                         ::testing::ValuesIn(std::begin(kPlaces) + 2, std::end(kPlaces)),
                         RowName<PlaceRow>);

// ---- The thank-you text -------------------------------------------------------------------------

TEST_F(CreditsTest, ThankYouTextReadsBackByteForByte) {
    EXPECT_EQ(Leave().Label1().Text(), kThanks);
}

TEST_F(CreditsTest, ThankYouTextShowsThreeParagraphsSeparatedByOneEmptyLine) {
    QLabel* shown = qobject_cast<QLabel*>(WidgetOf(Leave().Label1()));
    const QStringList lines = shown->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 5) << shown->text().toStdString();
    EXPECT_EQ(lines[0], "Thank you for using free software from Quorvane");
    EXPECT_EQ(lines[1], "");
    EXPECT_TRUE(lines[2].startsWith("If you enjoy this software, please share  it with others."));
    EXPECT_TRUE(lines[2].endsWith("topics of interest. "));
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4].toStdString(), kThanks.substr(kThanks.rfind('\r') + 1));
}

TEST_F(CreditsTest, ThankYouTextIsCentredBoldItalicAndWraps) {
    QLabel* shown = qobject_cast<QLabel*>(WidgetOf(Leave().Label1()));
    EXPECT_TRUE(shown->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_TRUE(shown->wordWrap());
    EXPECT_TRUE(shown->font().bold());
    EXPECT_TRUE(shown->font().italic());
    EXPECT_EQ(shown->font().pixelSize(), 20);
    EXPECT_EQ(shown->textFormat(), Qt::PlainText);
}

TEST_F(CreditsTest, ThankYouTextFitsItsLabel) {
    QLabel* shown = qobject_cast<QLabel*>(WidgetOf(Leave().Label1()));
    EXPECT_LE(shown->heightForWidth(523), 300);
}

// ---- The logo -----------------------------------------------------------------------------------

TEST_F(CreditsTest, LogoIsTheBundlesLogoPicture) {
    const auto backdrop = Leave().Canvas1().Backdrop();
    ASSERT_NE(backdrop, nullptr);
    EXPECT_EQ(backdrop, QuorvaneUpdatedLogosmall());
    EXPECT_EQ(QSize(backdrop->Width(), backdrop->Height()), QSize(280, 167));
}

// A bundle whose Resources folder is empty.
class NoLogoTest : public CreditsTest {
  protected:
    std::filesystem::path ResourcesFolder() override {
        const auto folder = std::filesystem::temp_directory_path() / "brenquill-credits-no-logo";
        std::filesystem::create_directories(folder);
        return folder;
    }
};

TEST_F(NoLogoTest, WindowIsBuiltWithAnEmptyCanvas) {
    Credits& credits = Leave();
    EXPECT_EQ(credits.Canvas1().Backdrop(), nullptr);
    EXPECT_EQ(credits.ControlCount(), 5u);
    EXPECT_TRUE(credits.impl().frame->isVisible());
}

TEST_F(NoLogoTest, ClickOnTheEmptyCanvasStillOpensTheWebsite) {
    Click(Leave().Canvas1());
    EXPECT_EQ(services.urls, std::vector<std::string>{kWebsite});
}

// ---- Logo and buttons ---------------------------------------------------------------------------

struct ClickRow {
    std::string name;
    const char* control;
    const char* opens;
    // Changes the address the click should open, on the calculator window.
    void (WinMain::*change)(std::string_view);
};

const ClickRow kClicks[] = {
    {"Logo", "Canvas1", kWebsite, &WinMain::SetWebsiteURL},
    {"VisitOurWebsite", "btn_VisitOurWebsite", kWebsite, &WinMain::SetWebsiteURL},
    {"ContactUsNow", "btn_contactUs", kContact, &WinMain::SetContactURL},
};

class ClickTest : public CreditsTest, public ::testing::WithParamInterface<ClickRow> {
  protected:
    static void ClickOn(const char* control) {
        Click(Credits::Instance().ControlAs<fw::RectControl>(control));
    }
};

TEST_P(ClickTest, OpensTheCalculatorsAddress) {
    Leave();
    ClickOn(GetParam().control);
    EXPECT_EQ(services.urls, std::vector<std::string>{GetParam().opens});
    EXPECT_FALSE(WinMain::Instance().Visible());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
}

TEST_P(ClickTest, ReadsTheAddressAfreshAtEveryClick) {
    Leave();
    ClickOn(GetParam().control);
    (WinMain::Instance().*GetParam().change)("https://example.org/elsewhere");
    ClickOn(GetParam().control);
    EXPECT_EQ(services.urls,
              (std::vector<std::string>{GetParam().opens, "https://example.org/elsewhere"}));
}

INSTANTIATE_TEST_SUITE_P(Clicks, ClickTest, ::testing::ValuesIn(kClicks), RowName<ClickRow>);

struct MouseDownRow {
    std::string name;
    std::int64_t x, y;
};

class LogoMouseDownTest : public CreditsTest, public ::testing::WithParamInterface<MouseDownRow> {};

// The click is left to the canvas wherever it lands, even outside the picture.
TEST_P(LogoMouseDownTest, AnswersFalseAndOpensTheWebsite) {
    Credits& credits = Leave();
    EXPECT_FALSE(credits.Canvas1_MouseDown(credits.Canvas1(), GetParam().x, GetParam().y));
    EXPECT_FALSE(credits.Canvas1().RaiseMouseDown(GetParam().x, GetParam().y));
    EXPECT_EQ(services.urls, (std::vector<std::string>{kWebsite, kWebsite}));
}

INSTANTIATE_TEST_SUITE_P(Points, LogoMouseDownTest,
                         ::testing::Values(MouseDownRow{"TopLeftCorner", 0, 0},
                                           MouseDownRow{"Middle", 140, 83},
                                           MouseDownRow{"BottomRightCorner", 279, 166},
                                           MouseDownRow{"OutsideThePicture", -5, 400}),
                         RowName<MouseDownRow>);

// ---- Events -------------------------------------------------------------------------------------

struct EventRow {
    std::string name;
    bool handled;
};

class CreditsEventTest : public CreditsTest, public ::testing::WithParamInterface<EventRow> {};

TEST_P(CreditsEventTest, AnswersWhetherItHandlesTheEvent) {
    EXPECT_EQ(Credits::Instance().IsEventImplemented(GetParam().name), GetParam().handled);
}

INSTANTIATE_TEST_SUITE_P(Events, CreditsEventTest,
                         ::testing::Values(EventRow{"CreateControls", true},
                                           EventRow{"Layout", true}, EventRow{"Open", false},
                                           EventRow{"Close", false}, EventRow{"CancelClose", false},
                                           EventRow{"AddMenuHandlers", false},
                                           EventRow{"Paint", false}),
                         RowName<EventRow>);

}  // namespace
