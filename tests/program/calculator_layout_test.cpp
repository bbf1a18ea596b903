// The calculator window as its construction leaves it, looked at just before its Open handler runs:
// its frame, its seventeen controls with their places, texts, fonts and colours, its tab order, its
// picture, and the order in which it was built.

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>

#include "app/bundle_resources.h"
#include "tests/support/window_driver.h"

namespace {

using namespace window_driver;
using window_driver::PrintTo;

// The calculator window, which hands itself to a look just before its own Open handler. It keeps
// the calculator's class, so the program finds it as its calculator window.
class ProbedWinMain : public WinMain {
  public:
    explicit ProbedWinMain(std::function<void(WinMain&)> look) : look_(std::move(look)) {}
    void Event_Open() override {
        look_(*this);
        WinMain::Event_Open();
    }

  private:
    std::function<void(WinMain&)> look_;
};

// Builds the calculator window and runs the look once, before its Open handler.
WinMain& BeforeOpen(const std::function<void(WinMain&)>& look = [](WinMain&) {}) {
    int looks = 0;
    auto& w = static_cast<WinMain&>(
        fw::ConstructWindow(std::make_unique<ProbedWinMain>([&](WinMain& self) {
            ++looks;
            look(self);
        })));
    EXPECT_EQ(looks, 1) << "the window's Open handler ran " << looks << " times";
    return w;
}

using CalculatorBuildTest = WindowTest;

// ---- The seventeen controls ---------------------------------------------------------------------

struct ControlRow {
    std::string name, cls;
    QRect place;
    bool visible;
    std::string text;    // a label's Text, a button's Caption, a field's Text
    const char* family;  // empty: the platform's interface font
    int pixels;          // 0: the platform's default size
    bool bold, italic;
    std::optional<QColor> colour;  // none: the platform's
    Qt::Alignment alignment;       // a button has none to set
    bool wraps;
};

const std::string kNote =
    "Note: This calculator only shows payments including interest. Taxes, Insurance and other fees "
    "are not included. For estimation purposes only, your actual payments may vary. ";
const QColor kBlack(0, 0, 0), kNavy(0x10, 0x20, 0xC7), kBlue(0x00, 0x6D, 0xFF),
    kOrangeRed(0xFF, 0x43, 0x00);
const std::optional<QColor> kNone;
constexpr const char* kVerdana = "Verdana";
constexpr Qt::Alignment kLeft = Qt::AlignLeft, kCentre = Qt::AlignHCenter, kRight = Qt::AlignRight;

// In the order they are built.
// clang-format off
const std::vector<ControlRow> kControls = {
    {"lbl_Copyright", "Label", {39, 493, 560, 38}, true,
     "Copyright Message Here", kVerdana, 12, true, true, kBlack, kCentre, false},
    {"btn_VisitWebsite", "PushButton", {117, 443, 173, 20}, true,
     "Click to Visit Website", "", 0, false, false, kNone, {}, false},
    {"btn_quit", "PushButton", {329, 443, 173, 20}, true, "Quit", "", 0, false, false, kNone, {}, false},
    {"lbl_LoanAmount", "Label", {139, 161, 126, 20}, true,
     "Loan Amount $", kVerdana, 16, false, false, kBlack, kRight, false},
    {"lbl_term", "Label", {108, 193, 157, 20}, true,
     "Term (in months)", kVerdana, 16, false, false, kBlack, kRight, false},
    {"lbl_InterestRate", "Label", {82, 225, 183, 20}, true,
     "Interest Rate (APR)", kVerdana, 16, false, false, kBlack, kRight, false},
    {"txt_loanamount", "TextField", {269, 162, 118, 22}, true, "", "", 0, false, false, kBlack, kLeft, false},
    {"txt_term", "TextField", {269, 193, 118, 22}, true, "", "", 0, false, false, kBlack, kLeft, false},
    {"txt_interest", "TextField", {269, 225, 118, 22}, true, "", "", 0, false, false, kBlack, kLeft, false},
    {"btn_Calculate", "PushButton", {269, 394, 80, 20}, true, "Calculate", "", 0, false, false, kNone, {}, false},
    {"Canvas1", "Canvas", {12, 13, 138, 128}, true, "", "", 0, false, false, kNone, {}, false},
    {"Label1", "Label", {214, 32, 339, 84}, true, kNote, kVerdana, 0, true, false, kNavy, kLeft, true},
    {"lbl_MonthlyPayment", "Label", {82, 271, 480, 37}, false,
     "Monthly Payment", kVerdana, 20, false, false, kBlue, kCentre, false},
    {"lbl_nocommas", "Label", {389, 161, 204, 20}, true,
     "(Numbers Only, no commas)", kVerdana, 14, false, false, kBlack, kLeft, false},
    {"lbl_percent", "Label", {391, 221, 35, 20}, true, "%", kVerdana, 16, false, false, kBlack, kLeft, false},
    {"lbl_TotalCost", "Label", {28, 344, 553, 29}, false,
     "Total Cost Over Loan Life $", kVerdana, 16, false, false, kBlack, kCentre, false},
    {"lbl_totalInterest", "Label", {79, 320, 480, 20}, false,
     "Total Interest", "verdena", 16, true, false, kOrangeRed, kCentre, false},
};
// clang-format on

TEST_F(CalculatorBuildTest, HoldsTheSeventeenControlsInOrderAtTheirDesignedPlaces) {
    BeforeOpen([](WinMain& w) {
        ASSERT_EQ(w.ControlCount(), kControls.size());
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            const ControlRow& row = kControls[i];
            SCOPED_TRACE(row.name);
            const auto& c = static_cast<const fw::RectControl&>(w.ControlAt(i));
            EXPECT_EQ(c.Name(), row.name);
            EXPECT_EQ(c.Class().fullName, row.cls);
            EXPECT_EQ(WidgetOf(c)->geometry(), row.place);
            EXPECT_EQ(!WidgetOf(c)->isHidden(), row.visible);
        }
    });
}

class LetteringTest : public WindowTest, public ::testing::WithParamInterface<ControlRow> {};

TEST_P(LetteringTest, ShowsItsDesignedTextInItsDesignedFontAndColour) {
    const ControlRow& row = GetParam();
    BeforeOpen([&row](WinMain& w) {
        const QWidget& q = *WidgetOf(w.ControlAs<fw::RectControl>(row.name));
        EXPECT_EQ(q.property("text").toString().toStdString(), row.text);
        EXPECT_EQ(q.palette().color(q.foregroundRole()),
                  row.colour.value_or(QApplication::palette(&q).color(q.foregroundRole())));
        EXPECT_EQ(q.property("alignment").value<Qt::Alignment>() & Qt::AlignHorizontal_Mask,
                  row.alignment);
        EXPECT_EQ(q.property("wordWrap").toBool(), row.wraps);
        const QFont system = QApplication::font(&q);
        EXPECT_EQ(q.font().family(), *row.family ? QString(row.family) : system.family());
        EXPECT_EQ(q.font().pixelSize(), row.pixels > 0 ? row.pixels : system.pixelSize());
        EXPECT_EQ(q.font().bold(), row.bold);
        EXPECT_EQ(q.font().italic(), row.italic);
        EXPECT_FALSE(q.font().underline());
    });
}

INSTANTIATE_TEST_SUITE_P(Calculator, LetteringTest, ::testing::ValuesIn(kControls),
                         RowName<ControlRow>);

// ---- Focus and keys -----------------------------------------------------------------------------

TEST_F(CalculatorBuildTest, TabKeyVisitsTheButtonsAndFieldsInTabOrder) {
    WinMain& w = BeforeOpen();
    FrameOf(w)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(FrameOf(w)));
    WidgetOf(w.btn_VisitWebsite())->setFocus(Qt::TabFocusReason);
    // The last Tab comes round to the first again.
    for (const fw::RectControl* c : std::initializer_list<const fw::RectControl*>{
             &w.btn_VisitWebsite(), &w.btn_quit(), &w.txt_loanamount(), &w.txt_term(),
             &w.txt_interest(), &w.btn_Calculate()}) {
        EXPECT_EQ(QApplication::focusWidget(), WidgetOf(*c)) << c->Name();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), WidgetOf(w.btn_VisitWebsite()));
}

// There is no default or cancel button: a key that reaches the window past its controls presses
// none of Visit Website (opens the site), Quit (leaves) or Calculate (shows the results).
TEST_F(CalculatorBuildTest, ReturnEnterOrEscapeReachingTheWindowPressesNoButton) {
    WinMain& w = BeforeOpen();
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_Return, Qt::KeyboardModifiers{}},
          std::pair{Qt::Key_Enter, Qt::KeyboardModifiers{Qt::KeypadModifier}},
          std::pair{Qt::Key_Escape, Qt::KeyboardModifiers{}}}) {
        QTest::keyClick(WidgetOf(w.lbl_LoanAmount()), key, modifiers);
    }
    EXPECT_TRUE(services.urls.empty());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
    EXPECT_TRUE(FrameOf(w)->isVisible());
    EXPECT_TRUE(WidgetOf(w.lbl_MonthlyPayment())->isHidden());
}

// ---- The frame and the order of building --------------------------------------------------------

TEST_F(CalculatorBuildTest, CanvasGetsLoanCalcBeforeItsDesignedProperties) {
    std::optional<std::int64_t> widthAtBackdrop;
    fw::SetUiOperationHook([&](const char* op) {
        if (std::string_view(op) == "Canvas.Backdrop") {
            widthAtBackdrop =
                fw::GetImplicitWindow("WinMain.WinMain")->ControlAs<fw::Canvas>("Canvas1").Width();
        }
    });
    WinMain& w = BeforeOpen();
    fw::SetUiOperationHook(nullptr);
    ASSERT_TRUE(widthAtBackdrop.has_value());
    EXPECT_NE(*widthAtBackdrop, 138);
    EXPECT_EQ(w.Canvas1().Backdrop(), loanCalc());
}

TEST_F(CalculatorBuildTest, MenuBarIsInstalledBeforeTheWindowsOwnProperties) {
    std::vector<std::string> operations;
    fw::SetUiOperationHook([&](const char* op) { operations.emplace_back(op); });
    BeforeOpen();
    fw::SetUiOperationHook(nullptr);
    EXPECT_EQ(std::ranges::count(operations, "Window.MenuBar"), 1);
    const std::vector<std::string> firstOf = {"Window.MenuBar", "Window.Title", "Window.Resizeable",
                                              "Window.Visible", "Window.BackgroundColor"};
    const auto first = std::ranges::find_first_of(operations, firstOf);
    ASSERT_NE(first, operations.end());
    EXPECT_EQ(*first, "Window.MenuBar");
}

TEST_F(CalculatorBuildTest, WindowIsNotShownBeforeItsOpenHandlerRan) {
    bool shownAtOpen = true;
    WinMain& w = BeforeOpen([&](WinMain& self) { shownAtOpen = FrameOf(self)->isVisible(); });
    EXPECT_FALSE(shownAtOpen);
    EXPECT_TRUE(FrameOf(w)->isVisible());
}

TEST_F(CalculatorBuildTest, WindowOpensAtAFixed638By570) {
    WinMain& w = BeforeOpen();
    EXPECT_EQ(w.impl().content->size(), QSize(638, 570));
    EXPECT_EQ(FrameOf(w)->minimumSize(), FrameOf(w)->maximumSize());
    EXPECT_FALSE(FrameOf(w)->windowFlags() & Qt::WindowMaximizeButtonHint);
}

}  // namespace
