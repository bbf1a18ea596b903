// The calculator window as its construction leaves it, looked at just before its Open handler runs:
// its frame, its seventeen controls with their places, texts, fonts and colours, its tab order, its
// buttons, its picture, and the order in which it was built.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/bundle_resources.h"
#include "calculator/win_main.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/window_impl.h"
#include "framework/resources.h"
#include "tests/program/calculator_probe.h"

namespace {

template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// A failing row is named, not dumped byte by byte.
template <class Row>
requires requires(const Row& r) {
    r.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

// ---- The seventeen controls
// ----------------------------------------------------------------------

struct PlaceRow {
    std::string name;
    const char* className;
    int left, top, width, height;
    std::int64_t tabIndex;
    bool visible;
};

// clang-format off
const PlaceRow kPlaces[] = {
    {"lbl_Copyright", "Label", 39, 493, 560, 38, 0, true},
    {"btn_VisitWebsite", "PushButton", 117, 443, 173, 20, 1, true},
    {"btn_quit", "PushButton", 329, 443, 173, 20, 2, true},
    {"lbl_LoanAmount", "Label", 139, 161, 126, 20, 4, true},
    {"lbl_term", "Label", 108, 193, 157, 20, 5, true},
    {"lbl_InterestRate", "Label", 82, 225, 183, 20, 6, true},
    {"txt_loanamount", "TextField", 269, 162, 118, 22, 7, true},
    {"txt_term", "TextField", 269, 193, 118, 22, 8, true},
    {"txt_interest", "TextField", 269, 225, 118, 22, 9, true},
    {"btn_Calculate", "PushButton", 269, 394, 80, 20, 10, true},
    {"Canvas1", "Canvas", 12, 13, 138, 128, 11, true},
    {"Label1", "Label", 214, 32, 339, 84, 12, true},
    {"lbl_MonthlyPayment", "Label", 82, 271, 480, 37, 13, false},
    {"lbl_nocommas", "Label", 389, 161, 204, 20, 14, true},
    {"lbl_percent", "Label", 391, 221, 35, 20, 15, true},
    {"lbl_TotalCost", "Label", 28, 344, 553, 29, 16, false},
    {"lbl_totalInterest", "Label", 79, 320, 480, 20, 17, false},
};
// clang-format on

TEST_F(CalculatorProbeTest, HoldsExactlySeventeenControlsInTabOrder) {
    BeforeOpen([](WinMain& w) {
        ASSERT_EQ(w.ControlCount(), std::size(kPlaces));
        for (std::size_t i = 0; i < std::size(kPlaces); ++i) {
            EXPECT_EQ(w.ControlAt(i).Name(), kPlaces[i].name);
            EXPECT_EQ(w.ControlAt(i).Class().fullName, kPlaces[i].className);
        }
    });
}

class CalculatorPlaceTest : public CalculatorProbeTest,
                            public ::testing::WithParamInterface<PlaceRow> {};

TEST_P(CalculatorPlaceTest, ControlStandsAtItsDesignedPlace) {
    const PlaceRow& row = GetParam();
    BeforeOpen([&row](WinMain& w) {
        const auto& c = w.ControlAs<fw::RectControl>(row.name);
        EXPECT_EQ(c.Class().fullName, row.className);
        EXPECT_EQ((std::vector<std::int64_t>{c.Left(), c.Top(), c.Width(), c.Height()}),
                  (std::vector<std::int64_t>{row.left, row.top, row.width, row.height}));
        EXPECT_EQ(Widget(c).geometry(), QRect(row.left, row.top, row.width, row.height));
        EXPECT_EQ(c.TabIndex(), row.tabIndex);
        EXPECT_EQ(c.Visible(), row.visible);
        EXPECT_EQ(!Widget(c).isHidden(), row.visible);
        EXPECT_TRUE(c.Enabled());
    });
}

INSTANTIATE_TEST_SUITE_P(Calculator, CalculatorPlaceTest, ::testing::ValuesIn(kPlaces),
                         RowName<PlaceRow>);

// ---- Texts, fonts and colours
// --------------------------------------------------------------------

struct LetteringRow {
    std::string name;
    std::string text;    // a label's Text, a button's Caption, a field's Text
    const char* family;  // asked of the platform; empty: its interface font
    int pixels;          // 0: the platform's default size
    bool bold, italic;
    std::optional<QColor> colour;
    std::int64_t alignment;  // as read back
    Qt::Alignment shown;
    bool wraps;
};

const std::string kNote =
    "Note: This calculator only shows payments including interest. Taxes, Insurance and other fees "
    "are not included. For estimation purposes only, your actual payments may vary. ";

const QColor kBlack(0, 0, 0), kNavy(0x10, 0x20, 0xC7), kBlue(0x00, 0x6D, 0xFF),
    kOrangeRed(0xFF, 0x43, 0x00);
constexpr const char* kVerdana = "Verdana";
const std::optional<QColor> kNone;
const Qt::Alignment kLeft = Qt::AlignLeft, kCentre = Qt::AlignHCenter, kRight = Qt::AlignRight;

// clang-format off
const LetteringRow kLettering[] = {
    {"lbl_Copyright", "Copyright Message Here", kVerdana, 12, true, true,
     kBlack, 2, kCentre, false},
    {"btn_VisitWebsite", "Click to Visit Website", "", 0, false, false, kNone, 0, kCentre, false},
    {"btn_quit", "Quit", "", 0, false, false, kNone, 0, kCentre, false},
    {"lbl_LoanAmount", "Loan Amount $", kVerdana, 16, false, false, kBlack, 3, kRight, false},
    {"lbl_term", "Term (in months)", kVerdana, 16, false, false, kBlack, 3, kRight, false},
    {"lbl_InterestRate", "Interest Rate (APR)", kVerdana, 16, false, false,
     kBlack, 3, kRight, false},
    {"txt_loanamount", "", "", 0, false, false, kBlack, 0, kLeft, false},
    {"txt_term", "", "", 0, false, false, kBlack, 0, kLeft, false},
    {"txt_interest", "", "", 0, false, false, kBlack, 0, kLeft, false},
    {"btn_Calculate", "Calculate", "", 0, false, false, kNone, 0, kCentre, false},
    {"Label1", kNote, kVerdana, 0, true, false, kNavy, 1, kLeft, true},
    {"lbl_MonthlyPayment", "Monthly Payment", kVerdana, 20, false, false, kBlue, 2, kCentre, false},
    {"lbl_nocommas", "(Numbers Only, no commas)", kVerdana, 14, false, false,
     kBlack, 1, kLeft, false},
    {"lbl_percent", "%", kVerdana, 16, false, false, kBlack, 1, kLeft, false},
    {"lbl_TotalCost", "Total Cost Over Loan Life $", kVerdana, 16, false, false,
     kBlack, 2, kCentre, false},
    {"lbl_totalInterest", "Total Interest", "verdena", 16, true, false,
     kOrangeRed, 2, kCentre, false},
};
// clang-format on

// What the control holds and what its widget shows, with its colour and alignment.
struct Lettering {
    std::string text;
    QString shown;
    std::optional<QColor> colour;
    std::int64_t alignment = 0;
    Qt::Alignment shownAlignment;
    bool wraps = false;
};

Lettering LetteringOf(fw::Control& c) {
    QWidget& w = *static_cast<fw::RectControl&>(c).impl().widget;
    if (auto* label = dynamic_cast<fw::Label*>(&c)) {
        auto& q = dynamic_cast<QLabel&>(w);
        return {label->Text(),          q.text(),      q.palette().color(QPalette::WindowText),
                label->TextAlignment(), q.alignment(), q.wordWrap()};
    }
    if (auto* field = dynamic_cast<fw::TextField*>(&c)) {
        auto& q = dynamic_cast<QLineEdit&>(w);
        return {field->Text(),          q.text(),      q.palette().color(QPalette::Text),
                field->TextAlignment(), q.alignment(), false};
    }
    auto& button = dynamic_cast<fw::PushButton&>(c);
    return {button.Caption(), dynamic_cast<QPushButton&>(w).text(),
            std::nullopt,     0,
            Qt::AlignHCenter, false};
}

class CalculatorLetteringTest : public CalculatorProbeTest,
                                public ::testing::WithParamInterface<LetteringRow> {};

TEST_P(CalculatorLetteringTest, ControlShowsItsDesignedTextInItsDesignedFont) {
    const LetteringRow& row = GetParam();
    BeforeOpen([&row](WinMain& w) {
        fw::Control& c = w.ControlByName(row.name);
        const Lettering l = LetteringOf(c);
        EXPECT_EQ(l.text, row.text);
        EXPECT_EQ(l.shown, QString::fromStdString(row.text));
        EXPECT_EQ(l.colour, row.colour);
        EXPECT_EQ(l.alignment, row.alignment);
        EXPECT_EQ(l.shownAlignment & Qt::AlignHorizontal_Mask, row.shown);
        EXPECT_EQ(l.wraps, row.wraps);

        const QWidget& widget = Widget(static_cast<fw::RectControl&>(c));
        const QFont system = QApplication::font(&widget);
        EXPECT_EQ(widget.font().family(), *row.family ? QString(row.family) : system.family());
        EXPECT_EQ(widget.font().pixelSize(), row.pixels > 0 ? row.pixels : system.pixelSize());
        EXPECT_EQ(widget.font().bold(), row.bold);
        EXPECT_EQ(widget.font().italic(), row.italic);
        EXPECT_FALSE(widget.font().underline());
    });
}

INSTANTIATE_TEST_SUITE_P(Calculator, CalculatorLetteringTest, ::testing::ValuesIn(kLettering),
                         RowName<LetteringRow>);

// ---- Focus and keys
// ------------------------------------------------------------------------------

// The controls that Tab visits, in the order of the window's focus chain.
std::vector<std::string> TabChain(const WinMain& w) {
    std::vector<std::string> names;
    QWidget* frame = &*w.impl().frame;
    for (QWidget* q = frame->nextInFocusChain(); q != frame; q = q->nextInFocusChain()) {
        for (std::size_t i = 0; i < w.ControlCount() && (q->focusPolicy() & Qt::TabFocus); ++i) {
            if (static_cast<fw::RectControl&>(w.ControlAt(i)).impl().widget == q) {
                names.push_back(w.ControlAt(i).Name());
            }
        }
    }
    return names;
}

const std::vector<std::string> kTabOrder = {"btn_VisitWebsite", "btn_quit",     "txt_loanamount",
                                            "txt_term",         "txt_interest", "btn_Calculate"};

TEST_F(CalculatorProbeTest, TabVisitsButtonsAndFieldsInTabIndexOrder) {
    BeforeOpen([](WinMain& w) { EXPECT_EQ(TabChain(w), kTabOrder); });
}

TEST_F(CalculatorProbeTest, TabKeyMovesTheFocusAlongTheTabOrder) {
    WinMain& w = Built();
    QWidget& frame = Frame(w);
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&frame));
    Widget(w.btn_VisitWebsite()).setFocus(Qt::TabFocusReason);
    std::vector<std::string> visited;
    for (std::size_t i = 0; i < kTabOrder.size(); ++i) {
        QWidget* focused = QApplication::focusWidget();
        for (std::size_t c = 0; c < w.ControlCount(); ++c) {
            if (static_cast<fw::RectControl&>(w.ControlAt(c)).impl().widget == focused) {
                visited.push_back(w.ControlAt(c).Name());
            }
        }
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, kTabOrder);
    EXPECT_EQ(QApplication::focusWidget(), &Widget(w.btn_VisitWebsite()));
}

TEST_F(CalculatorProbeTest, NoButtonIsTheDefaultOrTheCancelButton) {
    BeforeOpen([](WinMain& w) {
        for (const fw::PushButton* b : {&w.btn_VisitWebsite(), &w.btn_quit(), &w.btn_Calculate()}) {
            EXPECT_FALSE(b->Default()) << b->Name();
            EXPECT_FALSE(b->Cancel()) << b->Name();
        }
    });
}

struct UnansweredKeyRow {
    std::string name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

const UnansweredKeyRow kUnanswered[] = {
    {"Return", Qt::Key_Return, {}},
    {"KeypadEnter", Qt::Key_Enter, Qt::KeypadModifier},
    {"Escape", Qt::Key_Escape, {}},
};

class CalculatorUnansweredKeyTest : public CalculatorProbeTest,
                                    public ::testing::WithParamInterface<UnansweredKeyRow> {};

// A key that reaches the window past its controls would press a default or cancel button: Visit
// Website opens the site, Quit leaves, Calculate shows the results.
TEST_P(CalculatorUnansweredKeyTest, KeyReachingTheWindowPressesNoButton) {
    WinMain& w = Built();
    QTest::keyClick(&Widget(w.lbl_LoanAmount()), GetParam().key, GetParam().modifiers);
    EXPECT_TRUE(services.urls.empty());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
    EXPECT_TRUE(Frame(w).isVisible());
    EXPECT_TRUE(Widget(w.lbl_MonthlyPayment()).isHidden());
}

INSTANTIATE_TEST_SUITE_P(Calculator, CalculatorUnansweredKeyTest, ::testing::ValuesIn(kUnanswered),
                         RowName<UnansweredKeyRow>);

// ---- The picture
// ----------------------------------------------------------------------------------

TEST_F(CalculatorProbeTest, CanvasGetsItsPictureBeforeItsDesignedProperties) {
    std::optional<std::int64_t> widthAtBackdrop;
    std::optional<bool> transparentAtBackdrop;
    fw::SetUiOperationHook([&](const char* op) {
        if (std::string_view(op) == "Canvas.Backdrop") {
            auto& canvas =
                fw::GetImplicitWindow("WinMain.WinMain")->ControlAs<fw::Canvas>("Canvas1");
            widthAtBackdrop = canvas.Width();
            transparentAtBackdrop = canvas.Transparent();
        }
    });
    Built();
    fw::SetUiOperationHook(nullptr);
    ASSERT_TRUE(widthAtBackdrop.has_value());
    EXPECT_NE(*widthAtBackdrop, 138);
    EXPECT_FALSE(*transparentAtBackdrop);
}

TEST_F(CalculatorProbeTest, CanvasEndsTransparentShowingLoanCalc) {
    BeforeOpen([](WinMain& w) {
        const fw::Canvas& canvas = w.Canvas1();
        EXPECT_TRUE(canvas.Transparent());
        EXPECT_FALSE(Widget(canvas).autoFillBackground());
        ASSERT_NE(canvas.Backdrop(), nullptr);
        EXPECT_EQ(canvas.Backdrop(), loanCalc());
    });
}

}  // namespace
