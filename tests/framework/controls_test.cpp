// The framework's controls in a window: what designed properties do on screen, tab order, and what
// a canvas draws.

#include <QDebug>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "framework/controls.h"
#include "framework/layout_string.h"
#include "framework/picture.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/picture_impl.h"
#include "framework/qt/window_impl.h"
#include "framework/window.h"
#include "tests/support/program_fixture.h"
#include "tests/support/rows.h"

// Readable failures for the toolkit's values.
static void PrintTo(const QVariant& value, std::ostream* out) {
    QString text;
    QDebug(&text) << value;
    *out << text.toStdString();
}

namespace {

using namespace fw::layout;
using ClassGetter = const fw::ClassInfo& (*)();
using Records = std::vector<fw::LayoutRecord>;

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

    // A control made, registered and given its designed properties, as a window's controls are.
    fw::RectControl& Make(const fw::ClassInfo& cls, const std::string& name, const Records& r) {
        std::unique_ptr<fw::Control> made = window_->New(cls);
        static_cast<fw::RectControl&>(*made).Constructor();
        window_->AddControl(name, std::move(made));
        auto& control = window_->ControlAs<fw::RectControl>(name);
        fw::SetProperties(control, fw::WriteLayout(r));
        return control;
    }
    template <class T>
    T& Make(const std::string& name, const Records& records) {
        return static_cast<T&>(Make(T::Lookup(), name, records));
    }
    static QWidget& Widget(const fw::RectControl& c) { return *c.impl().widget; }

    std::unique_ptr<fw::Window> window_;
};

TEST_F(ControlsTest, LookUpUnderAnotherClassIsRefused) {
    Make<fw::Label>("lbl_term", {});
    EXPECT_THROW(window_->ControlAs<fw::PushButton>("lbl_term"), fw::IllegalCastException);
    EXPECT_THROW(window_->New(fw::Window::Lookup()), fw::IllegalCastException);
    EXPECT_THROW(window_->ControlByName("txt_term"), fw::NilObjectException);
}

// ---- What each designed property shows ----------------------------------------------------------
// The values the program's windows design are checked on those windows; these rows add the rest.

using Reader = std::function<QVariant(const QWidget&)>;

Reader Prop(const char* property) {
    return [property](const QWidget& w) { return w.property(property); };
}
template <class T>
QVariant V(T value) {
    return QVariant::fromValue(value);
}

struct ShownRow {
    std::string name;
    ClassGetter cls;
    Records records;
    Reader read;
    QVariant shown;
};

const auto kLabel = &fw::Label::Lookup;
const auto kField = &fw::TextField::Lookup;
const auto kButton = &fw::PushButton::Lookup;

// clang-format off
const std::vector<ShownRow>& ShownRows() {
    static const std::vector<ShownRow> rows = {
        {"Disabled", kField, {Bool("Enabled", false)}, Prop("enabled"), false},
        {"Tooltip", kButton, {Str("Tooltip", "Opens the site")}, Prop("toolTip"), "Opens the site"},
        {"LabelTextWithReturns", kLabel, {Str("Text", "One\rTwo\r\nThree")}, Prop("text"),
         "One\nTwo\nThree"},
        {"FieldAlignRight", kField, {Enum64("TextAlignment", 3)}, Prop("alignment"),
         V(Qt::AlignRight | Qt::AlignVCenter)},
        {"Selectable", kLabel, {Bool("Selectable", true)}, Prop("textInteractionFlags"),
         V(Qt::TextInteractionFlags(Qt::TextSelectableByMouse))},
        {"LabelOpaque", kLabel, {Bool("Transparent", false)}, Prop("autoFillBackground"), true},
        {"NoBorder", kField, {Bool("HasBorder", false)}, Prop("frame"), false},
        {"Password", kField, {Bool("Password", true)}, Prop("echoMode"), V(QLineEdit::Password)},
        {"ReadOnly", kField, {Bool("ReadOnly", true)}, Prop("readOnly"), true},
        {"Hint", kField, {Str("Hint", "Amount")}, Prop("placeholderText"), "Amount"},
        {"MaximumFive", kField, {Int("MaximumCharactersAllowed", 5)}, Prop("maxLength"), 5},
        {"MaximumZeroIsNoLimit", kField, {Int("MaximumCharactersAllowed", 0)}, Prop("maxLength"),
         32767},
        {"DefaultButton", kButton, {Bool("Default", true)}, Prop("default"), true},
    };
    return rows;
}
// clang-format on

class ControlPropertyTest : public ControlsTest, public ::testing::WithParamInterface<ShownRow> {};

TEST_P(ControlPropertyTest, DesignedPropertyReachesTheWidget) {
    const fw::RectControl& c = Make(GetParam().cls(), "control", GetParam().records);
    EXPECT_EQ(GetParam().read(Widget(c)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Properties, ControlPropertyTest, ::testing::ValuesIn(ShownRows()),
                         RowName<ShownRow>);

// A label reads its alignment back as 2 (centred), 3 (right) or 1 (left), whatever else was set.
class LabelAlignmentTest : public ControlsTest,
                           public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(LabelAlignmentTest, ReadsBackAsOneTwoOrThree) {
    const auto& label = Make<fw::Label>("label", {Enum64("TextAlignment", GetParam().first)});
    EXPECT_EQ(label.Class().FindProperty("TextAlignment")->get(label),
              fw::PropertyValue(std::int64_t{GetParam().second}));
}

INSTANTIATE_TEST_SUITE_P(Label, LabelAlignmentTest,
                         ::testing::Values(std::pair{0, 1}, std::pair{2, 2}, std::pair{7, 1}),
                         [](const auto& info) { return "Set" + std::to_string(info.param.first); });

// ---- Tab order ----------------------------------------------------------------------------------
// The program's designs number their controls in creation order; these do not.

TEST_F(ControlsTest, TabVisitsTheFocusableControlsInTabIndexOrder) {
    Make<fw::TextField>("txt_last", {Int("TabIndex", 9)});
    Make<fw::Label>("lbl_caption", {Int("TabIndex", 0)});
    Make<fw::PushButton>("btn_middle", {Int("TabIndex", 4)});
    Make<fw::Canvas>("Canvas1", {Int("TabIndex", 5), Bool("AllowFocus", false)});
    Make<fw::TextField>("txt_first", {Int("TabIndex", 2)});
    Make<fw::TextField>("txt_clickOnly", {Int("TabIndex", 3), Bool("TabStop", false)});

    std::vector<std::string> visited;
    QWidget* frame = window_->impl().frame.get();
    for (QWidget* w = frame->nextInFocusChain(); w != frame; w = w->nextInFocusChain()) {
        for (std::size_t i = 0; i < window_->ControlCount(); ++i) {
            auto& c = static_cast<fw::RectControl&>(window_->ControlAt(i));
            if (&Widget(c) == w && (w->focusPolicy() & Qt::TabFocus) != 0) {
                visited.push_back(c.Name());
            }
        }
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"txt_first", "btn_middle", "txt_last"}));
}

// ---- What a canvas draws, and the window's background -------------------------------------------

class CanvasTest : public ControlsTest, public ::testing::WithParamInterface<const char*> {};

// The backdrop's pixels at the canvas's top left, and nothing where there is no backdrop.
TEST_P(CanvasTest, DrawsItsBackdropAndNothingElse) {
    const std::string file = GetParam();
    const auto picture = file.empty() ? nullptr : fw::Picture::Open(BRENQUILL_SOURCE_DIR + file);
    ASSERT_EQ(picture == nullptr, file.empty());
    auto& canvas = Make<fw::Canvas>(
        "Canvas1", {Int("Width", 160), Int("Height", 140), Bool("Transparent", true)});
    canvas.SetBackdrop(picture);
    QImage shown(Widget(canvas).size(), QImage::Format_ARGB32);
    shown.fill(Qt::transparent);
    QImage expected = shown;
    Widget(canvas).render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
    if (picture) {
        QPainter(&expected).drawPixmap(0, 0, picture->impl().pixmap);
        ASSERT_NE(expected.pixel(70, 64), 0u);  // something to see
    }
    EXPECT_TRUE(shown == expected);
}

INSTANTIATE_TEST_SUITE_P(Backdrops, CanvasTest, ::testing::Values("/resources/loanCalc.png", ""),
                         [](const auto& info) {
                             return std::string(*info.param ? "LoanCalc" : "None");
                         });

TEST_F(ControlsTest, WindowShowsItsBackgroundColourWhenSwitchedOn) {
    fw::SetProperties(*window_, fw::WriteLayout({Bool("HasBackgroundColor", true),
                                                 Rgb("BackgroundColor", 0xC0, 0xC0, 0xFF)}));
    window_->impl().frame->show();
    EXPECT_TRUE(window_->impl().content->autoFillBackground());
    EXPECT_EQ(window_->impl().content->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
}

}  // namespace
