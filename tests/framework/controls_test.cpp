// The framework's controls: what each designed property does to the widget on screen and how it
// reads back, and the fonts the controls ask of the platform.

#include <QApplication>
#include <QDebug>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/controls.h"
#include "framework/layout_string.h"
#include "framework/qt/control_impl.h"
#include "framework/window.h"
#include "tests/support/program_fixture.h"

// Readable failures for the toolkit's values.
static void PrintTo(const QVariant& value, std::ostream* out) {
    QString text;
    QDebug(&text) << value;
    *out << text.toStdString();
}

namespace {

using namespace fw::layout;
using ClassGetter = const fw::ClassInfo& (*)();

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

// ---- Controls in a window -----------------------------------------------------------------------

class ControlsTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        window_ = std::make_unique<fw::Window>();
    }
    void TearDown() override {
        window_.reset();
        ProgramTest::TearDown();
    }

    // A control made, constructed and registered as a window's designed controls are.
    fw::RectControl& Make(const fw::ClassInfo& cls, const std::string& name) {
        std::unique_ptr<fw::Control> made = window_->New(cls);
        static_cast<fw::RectControl&>(*made).Constructor();
        window_->AddControl(name, std::move(made));
        return window_->ControlAs<fw::RectControl>(name);
    }
    template <class T>
    T& Make(const std::string& name) {
        return static_cast<T&>(Make(T::Lookup(), name));
    }
    static QWidget& Widget(const fw::RectControl& c) { return *c.impl().widget; }

    std::unique_ptr<fw::Window> window_;
};

TEST_F(ControlsTest, LookUpUnderAnotherClassIsRefused) {
    Make<fw::Label>("lbl_term");
    EXPECT_THROW(window_->ControlAs<fw::PushButton>("lbl_term"), fw::IllegalCastException);
    EXPECT_THROW(window_->New(fw::Window::Lookup()), fw::IllegalCastException);
    EXPECT_THROW(window_->ControlByName("txt_term"), fw::NilObjectException);
}

// ---- What each designed property shows --------------------------------------------------------

using Reader = std::function<QVariant(const QWidget&)>;

Reader Prop(const char* property) {
    return [property](const QWidget& w) { return w.property(property); };
}
// Whether the widget shows when its window does.
QVariant Shown(const QWidget& w) {
    return !w.isHidden();
}
Reader Colour(QPalette::ColorRole role) {
    return [role](const QWidget& w) { return QVariant(w.palette().color(role)); };
}

struct ShownRow {
    std::string name;
    ClassGetter cls;
    std::vector<fw::LayoutRecord> records;
    Reader read;
    QVariant shown;
    // What the properties read back when it is not what was set.
    std::vector<fw::LayoutRecord> readBack = {};
};

const auto kLabel = &fw::Label::Lookup;
const auto kField = &fw::TextField::Lookup;
const auto kButton = &fw::PushButton::Lookup;
const auto kCanvas = &fw::Canvas::Lookup;
template <class T>
QVariant V(T value) {
    return QVariant::fromValue(value);
}

const Qt::Alignment kTop = Qt::AlignTop;
const Qt::Alignment kMiddle = Qt::AlignVCenter;

// clang-format off
const std::vector<ShownRow>& ShownRows() {
    static const std::vector<ShownRow> rows = {
        {"LabelGeometry", kLabel, {Int("Left", 39), Int("Top", 493), Int("Width", 560),
         Int("Height", 38)}, Prop("geometry"), QRect(39, 493, 560, 38)},
        {"FieldGeometry", kField, {Int("Left", 269), Int("Top", 162), Int("Width", 118),
         Int("Height", 22)}, Prop("geometry"), QRect(269, 162, 118, 22)},
        {"CanvasGeometry", kCanvas, {Int("Left", 12), Int("Top", 13), Int("Width", 138),
         Int("Height", 128)}, Prop("geometry"), QRect(12, 13, 138, 128)},
        {"Hidden", kLabel, {Bool("Visible", false)}, Shown, false},
        {"Disabled", kField, {Bool("Enabled", false)}, Prop("enabled"), false},
        {"Enabled", kButton, {Bool("Enabled", true)}, Prop("enabled"), true},
        {"Tooltip", kButton, {Str("Tooltip", "Opens the site")}, Prop("toolTip"), "Opens the site"},
        {"Caption", kButton, {Str("Caption", "Calculate")}, Prop("text"), "Calculate"},
        {"LabelText", kLabel, {Str("Text", "Loan Amount $")}, Prop("text"), "Loan Amount $"},
        {"LabelTextWithReturn", kLabel, {Str("Text", "One\rTwo")}, Prop("text"), "One\nTwo"},
        {"LabelTextWithReturnLineFeed", kLabel, {Str("Text", "One\r\nTwo")}, Prop("text"),
         "One\nTwo"},
        {"LabelTextEndingInABlank", kLabel, {Str("Text", "may vary. ")}, Prop("text"),
         "may vary. "},
        {"LabelTextIsNeverMarkup", kLabel, {Str("Text", "<b>5</b>")}, Prop("textFormat"),
         V(Qt::PlainText)},
        {"FieldText", kField, {Str("Text", "100000")}, Prop("text"), "100000"},
        {"LabelAlignDefault", kLabel, {Enum64("TextAlignment", 0)}, Prop("alignment"),
         V(Qt::AlignLeft | kTop), {Enum64("TextAlignment", 1)}},
        {"LabelAlignCentre", kLabel, {Enum64("TextAlignment", 2)}, Prop("alignment"),
         V(Qt::AlignHCenter | kTop)},
        {"LabelAlignRight", kLabel, {Enum64("TextAlignment", 3)}, Prop("alignment"),
         V(Qt::AlignRight | kTop)},
        {"LabelAlignUnknown", kLabel, {Enum64("TextAlignment", 7)}, Prop("alignment"),
         V(Qt::AlignLeft | kTop), {Enum64("TextAlignment", 1)}},
        {"FieldAlignDefault", kField, {Enum64("TextAlignment", 0)}, Prop("alignment"),
         V(Qt::AlignLeft | kMiddle)},
        {"FieldAlignCentre", kField, {Enum64("TextAlignment", 2)}, Prop("alignment"),
         V(Qt::AlignHCenter | kMiddle)},
        {"FieldAlignRight", kField, {Enum64("TextAlignment", 3)}, Prop("alignment"),
         V(Qt::AlignRight | kMiddle)},
        {"MultiLine", kLabel, {Bool("Multiline", true)}, Prop("wordWrap"), true},
        {"SingleLine", kLabel, {Bool("Multiline", false)}, Prop("wordWrap"), false},
        {"Selectable", kLabel, {Bool("Selectable", true)}, Prop("textInteractionFlags"),
         V(Qt::TextInteractionFlags(Qt::TextSelectableByMouse))},
        {"SelectableTakesClicks", kLabel, {Bool("Selectable", true)}, Prop("focusPolicy"),
         V(Qt::ClickFocus)},
        {"NotSelectable", kLabel, {Bool("Selectable", false)}, Prop("focusPolicy"), V(Qt::NoFocus)},
        {"LabelTextColor", kLabel, {Rgb("TextColor", 0xFF, 0x43, 0x00)},
         Colour(QPalette::WindowText), QColor(0xFF, 0x43, 0x00)},
        {"FieldTextColor", kField, {Rgb("TextColor", 0x10, 0x20, 0xC7)}, Colour(QPalette::Text),
         QColor(0x10, 0x20, 0xC7)},
        {"FieldBackground", kField, {Rgb("BackgroundColor", 0xFF, 0xFF, 0xC0)},
         Colour(QPalette::Base), QColor(0xFF, 0xFF, 0xC0)},
        {"NoBorder", kField, {Bool("HasBorder", false)}, Prop("frame"), false},
        {"Border", kField, {Bool("HasBorder", true)}, Prop("frame"), true},
        {"Password", kField, {Bool("Password", true)}, Prop("echoMode"), V(QLineEdit::Password)},
        {"ReadOnly", kField, {Bool("ReadOnly", true)}, Prop("readOnly"), true},
        {"Hint", kField, {Str("Hint", "Amount")}, Prop("placeholderText"), "Amount"},
        {"MaximumFive", kField, {Int("MaximumCharactersAllowed", 5)}, Prop("maxLength"), 5},
        {"MaximumZeroIsNoLimit", kField, {Int("MaximumCharactersAllowed", 0)}, Prop("maxLength"),
         32767},
        {"FieldTabStop", kField, {Bool("TabStop", true)}, Prop("focusPolicy"), V(Qt::StrongFocus)},
        {"FieldNoTabStop", kField, {Bool("TabStop", false)}, Prop("focusPolicy"),
         V(Qt::ClickFocus)},
        {"ButtonNoTabStop", kButton, {Bool("TabStop", false)}, Prop("focusPolicy"),
         V(Qt::ClickFocus)},
        {"CanvasNoFocus", kCanvas, {Bool("AllowFocus", false), Bool("TabStop", true)},
         Prop("focusPolicy"), V(Qt::NoFocus)},
        {"CanvasFocus", kCanvas, {Bool("AllowFocus", true), Bool("TabStop", true)},
         Prop("focusPolicy"), V(Qt::StrongFocus)},
        {"CanvasTransparentTwice", kCanvas, {Bool("Transparent", true), Bool("Transparent", true)},
         Prop("autoFillBackground"), false},
        {"LabelOpaque", kLabel, {Bool("Transparent", false)}, Prop("autoFillBackground"), true},
        {"ButtonDefault", kButton, {Bool("Default", true)}, Prop("default"), true},
        {"ButtonNotDefault", kButton, {Bool("Default", false)}, Prop("default"), false},
    };
    return rows;
}
// clang-format on

class ControlPropertyTest : public ControlsTest, public ::testing::WithParamInterface<ShownRow> {
  protected:
    fw::RectControl& Apply() {
        fw::RectControl& c = Make(GetParam().cls(), "control");
        fw::SetProperties(c, fw::WriteLayout(GetParam().records));
        return c;
    }
};

TEST_P(ControlPropertyTest, DesignedPropertyReachesTheWidget) {
    EXPECT_EQ(GetParam().read(Widget(Apply())), GetParam().shown);
}

TEST_P(ControlPropertyTest, DesignedPropertyReadsBack) {
    const fw::RectControl& c = Apply();
    const auto& expected = GetParam().readBack.empty() ? GetParam().records : GetParam().readBack;
    for (const fw::LayoutRecord& r : expected) {
        EXPECT_EQ(c.Class().FindProperty(r.name)->get(c), r.value) << r.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Properties, ControlPropertyTest, ::testing::ValuesIn(ShownRows()),
                         RowName<ShownRow>);

// ---- Fonts
// ----------------------------------------------------------------------------------------

struct FontRow {
    std::string name;
    ClassGetter cls;
    const char* family;  // as designed
    float size;
    bool bold, italic, underline;
    const char* asked;  // the family asked of the platform; empty: its interface font
    int pixels;         // 0: the platform's default size
};

const FontRow kFonts[] = {
    {"LabelSystemDefault", kLabel, "System", 0, false, false, false, "", 0},
    {"ButtonSystemDefault", kButton, "System", 0, false, false, false, "", 0},
    {"FieldSystemTwelve", kField, "System", 12, false, false, false, "", 12},
    {"VerdanaSixteen", kLabel, "Verdana", 16, false, false, false, "Verdana", 16},
    {"VerdanaDefaultSizeBold", kLabel, "Verdana", 0, true, false, false, "Verdana", 0},
    {"MisspeltFamilyAsStored", kLabel, "verdena", 16, true, false, false, "verdena", 16},
    {"BoldItalicTwelve", kLabel, "Verdana", 12, true, true, false, "Verdana", 12},
    {"UnderlinedButton", kButton, "System", 0, false, false, true, "", 0},
    {"ItalicField", kField, "System", 0, false, true, false, "", 0},
};

class ControlFontTest : public ControlsTest, public ::testing::WithParamInterface<FontRow> {};

TEST_P(ControlFontTest, AsksThePlatformForTheDesignedFont) {
    const FontRow& row = GetParam();
    fw::RectControl& c = Make(row.cls(), "control");
    fw::SetProperties(c, fw::WriteLayout({Str("FontName", row.family), Single("FontSize", row.size),
                                          Bool("Bold", row.bold), Bool("Italic", row.italic),
                                          Bool("Underline", row.underline)}));
    const QFont font = Widget(c).font();
    const QFont system = QApplication::font(&Widget(c));
    EXPECT_EQ(font.family(), *row.asked ? QString(row.asked) : system.family());
    if (row.pixels > 0) {
        EXPECT_EQ(font.pixelSize(), row.pixels);
    } else {
        EXPECT_EQ(font.pointSizeF(), system.pointSizeF());
        EXPECT_EQ(font.pixelSize(), system.pixelSize());
    }
    EXPECT_EQ(font.bold(), row.bold);
    EXPECT_EQ(font.italic(), row.italic);
    EXPECT_EQ(font.underline(), row.underline);
}

INSTANTIATE_TEST_SUITE_P(Fonts, ControlFontTest, ::testing::ValuesIn(kFonts), RowName<FontRow>);

}  // namespace
