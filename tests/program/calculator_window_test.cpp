// The calculator window's frame and the order it is built in, its designed layouts applied to the
// framework's real classes, and whether every text it shows fits its designed box.

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "calculator/win_main_design.h"
#include "credits/credits_design.h"
#include "framework/controls.h"
#include "framework/layout_string.h"
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

// ---- The frame
// ------------------------------------------------------------------------------------

TEST_F(CalculatorProbeTest, WindowIsNotShownBeforeItsOpenHandlerRan) {
    bool shownAtOpen = true;
    WinMain& w = BeforeOpen([&](WinMain& self) { shownAtOpen = Frame(self).isVisible(); });
    EXPECT_FALSE(shownAtOpen);
    EXPECT_TRUE(Frame(w).isVisible());
}

TEST_F(CalculatorProbeTest, WindowCarriesItsDesignedPropertiesBeforeOpen) {
    BeforeOpen([](WinMain& w) {
        EXPECT_EQ(w.Title(), "Brenquill / Loan Calculator");
        EXPECT_EQ(Frame(w).windowTitle(), "Brenquill / Loan Calculator");
        EXPECT_EQ(w.Width(), 638);
        EXPECT_EQ(w.Height(), 570);
        EXPECT_FALSE(w.Resizeable());
        EXPECT_EQ(w.DefaultLocation(), 2);
        EXPECT_TRUE(w.Visible());
        EXPECT_FALSE(w.HasBackgroundColor());
        EXPECT_EQ(w.BackgroundColor(), fw::Color::FromRgb(0xFF, 0xFF, 0xFF));
        EXPECT_FALSE(w.impl().content->autoFillBackground());
        const Qt::WindowFlags flags = Frame(w).windowFlags();
        EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    });
}

TEST_F(CalculatorProbeTest, WindowOpensCentredWithAFixedContentOf638By570) {
    WinMain& w = Built();
    EXPECT_EQ(w.impl().content->size(), QSize(638, 570));
    EXPECT_EQ(Frame(w).minimumSize(), Frame(w).maximumSize());
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((Frame(w).frameGeometry().center() - centre).manhattanLength(), 1);
}

TEST_F(CalculatorProbeTest, MenuBarIsInstalledBeforeTheWindowsOwnProperties) {
    std::vector<std::string> operations;
    fw::SetUiOperationHook([&](const char* op) { operations.emplace_back(op); });
    Built();
    fw::SetUiOperationHook(nullptr);
    const auto menuBar = std::ranges::find(operations, "Window.MenuBar");
    ASSERT_NE(menuBar, operations.end());
    EXPECT_EQ(std::ranges::count(operations, "Window.MenuBar"), 1);
    for (const char* property : {"Window.Width", "Window.Height", "Window.Title",
                                 "Window.Resizeable", "Window.Visible", "Window.BackgroundColor"}) {
        const auto set = std::ranges::find(operations, property);
        ASSERT_NE(set, operations.end()) << property;
        EXPECT_LT(menuBar, set) << property;
    }
}

// ---- The designed layouts on the real classes
// -----------------------------------------------------

struct DesignRow {
    std::string name;
    const fw::ClassInfo* cls;
    const std::string* layout;
};

const fw::ClassInfo* ControlClass(std::string_view name) {
    for (const fw::ClassInfo* cls : {&fw::Label::Lookup(), &fw::PushButton::Lookup(),
                                     &fw::TextField::Lookup(), &fw::Canvas::Lookup()}) {
        if (cls->fullName == name) {
            return cls;
        }
    }
    return nullptr;
}

std::vector<DesignRow> DesignRows() {
    std::vector<DesignRow> rows = {{"WinMain", &WinMain::Lookup(), &WinMainDesign()},
                                   {"Credits", &fw::Window::Lookup(), &CreditsDesign()}};
    for (const auto& [prefix, designs] : {std::pair{"WinMain_", &WinMainControlDesigns()},
                                          std::pair{"Credits_", &CreditsControlDesigns()}}) {
        for (const fw::ControlDesign& d : *designs) {
            rows.push_back({prefix + std::string(d.name), ControlClass(d.className), &d.layout});
        }
    }
    return rows;
}

class RealClassDesignTest : public ProgramTest, public ::testing::WithParamInterface<DesignRow> {};

TEST_P(RealClassDesignTest, ReadsToItsExactLengthAgainstTheRealClass) {
    ASSERT_NE(GetParam().cls, nullptr);
    EXPECT_EQ(fw::WriteLayout(fw::ReadLayout(*GetParam().layout, *GetParam().cls)),
              *GetParam().layout);
}

TEST_P(RealClassDesignTest, EveryRecordReadsBackFromARealObject) {
    const fw::ClassInfo& cls = *GetParam().cls;
    fw::Window owner;
    std::unique_ptr<fw::Object> made;
    if (cls.IsKindOf(fw::Control::Lookup())) {
        made = owner.New(cls);
    } else {
        made = std::make_unique<fw::Window>();
    }
    ASSERT_NO_THROW(fw::SetProperties(*made, *GetParam().layout));
    for (const fw::LayoutRecord& r : fw::ReadLayout(*GetParam().layout, cls)) {
        // A label reads its default alignment back as left.
        const bool leftLabel = cls.IsKindOf(fw::Label::Lookup()) && r.name == "TextAlignment" &&
                               r.value == fw::PropertyValue(std::int64_t{0});
        EXPECT_EQ(cls.FindProperty(r.name)->get(*made),
                  leftLabel ? fw::PropertyValue(std::int64_t{1}) : r.value)
            << r.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Designs, RealClassDesignTest, ::testing::ValuesIn(DesignRows()),
                         RowName<DesignRow>);

// ---- Every text fits its box
// ----------------------------------------------------------------------

struct FitRow {
    std::string name;
};

const FitRow kFits[] = {
    {"lbl_Copyright"}, {"btn_VisitWebsite"}, {"btn_quit"},       {"lbl_LoanAmount"},
    {"lbl_term"},      {"lbl_InterestRate"}, {"txt_loanamount"}, {"txt_term"},
    {"txt_interest"},  {"btn_Calculate"},    {"Label1"},         {"lbl_MonthlyPayment"},
    {"lbl_nocommas"},  {"lbl_percent"},      {"lbl_TotalCost"},  {"lbl_totalInterest"},
};

class CalculatorTextFitTest : public CalculatorProbeTest,
                              public ::testing::WithParamInterface<FitRow> {};

// With the texts the user sees: the window opened and the default inputs calculated.
TEST_P(CalculatorTextFitTest, TextFitsItsDesignedBox) {
    WinMain& w = Built();
    w.CalculateIt();
    const QWidget& widget = Widget(w.ControlAs<fw::RectControl>(GetParam().name));
    const QFontMetrics metrics(widget.font());
    QSize room = widget.size();
    QString text;
    int flags = Qt::AlignLeft | Qt::AlignTop;
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        text = label->text();
        flags |= label->wordWrap() ? Qt::TextWordWrap : 0;
    } else if (const auto* button = qobject_cast<const QPushButton*>(&widget)) {
        text = button->text();
        room.rwidth() -= 2 * widget.style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, &widget);
    } else {
        text = qobject_cast<const QLineEdit*>(&widget)->text();
        room -= QSize(4, 4);  // the field's frame
    }
    ASSERT_FALSE(text.isEmpty());
    const QRect needed = metrics.boundingRect(QRect(QPoint(0, 0), room), flags, text);
    EXPECT_LE(needed.width(), room.width()) << text.toStdString();
    EXPECT_LE(needed.height(), room.height()) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Calculator, CalculatorTextFitTest, ::testing::ValuesIn(kFits),
                         RowName<FitRow>);

}  // namespace
