// What a window does with its controls and its own designed properties: tab order, the default and
// cancel buttons, the controls' events, the canvas's picture, and the window's frame.

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
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

namespace {

using namespace fw::layout;

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

class WindowControlsTest : public ProgramTest {
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
    template <class T>
    T& Make(const std::string& name, const std::vector<fw::LayoutRecord>& records) {
        std::unique_ptr<fw::Control> made = window_->New(T::Lookup());
        static_cast<T&>(*made).Constructor();
        window_->AddControl(name, std::move(made));
        T& control = window_->ControlAs<T>(name);
        fw::SetProperties(control, fw::WriteLayout(records));
        return control;
    }
    static QWidget& Widget(const fw::RectControl& c) { return *c.impl().widget; }
    // What the control itself draws, over nothing.
    static QImage Drawn(const fw::RectControl& c) {
        QImage image(Widget(c).size(), QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        Widget(c).render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
        return image;
    }

    std::unique_ptr<fw::Window> window_;
};

// ---- Tab order ----------------------------------------------------------------------------------

TEST_F(WindowControlsTest, TabVisitsTheFocusableControlsInTabIndexOrder) {
    Make<fw::TextField>("txt_last", {Int("TabIndex", 9)});
    Make<fw::Label>("lbl_caption", {Int("TabIndex", 0)});
    Make<fw::PushButton>("btn_middle", {Int("TabIndex", 4)});
    Make<fw::Canvas>("Canvas1", {Int("TabIndex", 5), Bool("AllowFocus", false)});
    Make<fw::TextField>("txt_first", {Int("TabIndex", 2)});
    Make<fw::TextField>("txt_clickOnly", {Int("TabIndex", 3), Bool("TabStop", false)});

    std::vector<std::string> visited;
    QWidget* frame = window_->impl().frame.get();
    for (QWidget* w = frame->nextInFocusChain(); w != frame; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) != 0) {
            for (std::size_t i = 0; i < window_->ControlCount(); ++i) {
                auto& c = static_cast<fw::RectControl&>(window_->ControlAt(i));
                if (&Widget(c) == w) {
                    visited.push_back(c.Name());
                }
            }
        }
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"txt_first", "btn_middle", "txt_last"}));
}

// ---- Return and Escape --------------------------------------------------------------------------

struct KeyRow {
    std::string name;
    bool isDefault, isCancel, enabled;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool fieldTakesKey;  // the field's KeyDown handler consumes the key
    bool pressed;
};

const KeyRow kKeys[] = {
    {"ReturnPressesNoOrdinaryButton", false, false, true, Qt::Key_Return, {}, false, false},
    {"ReturnPressesTheDefault", true, false, true, Qt::Key_Return, {}, false, true},
    {"KeypadEnterPressesTheDefault", true, false, true, Qt::Key_Enter, Qt::KeypadModifier, false,
     true},
    {"ReturnTakenByTheFieldPressesNothing", true, false, true, Qt::Key_Return, {}, true, false},
    {"ReturnLeavesADisabledDefault", true, false, false, Qt::Key_Return, {}, false, false},
    {"ShiftReturnPressesNothing", true, false, true, Qt::Key_Return, Qt::ShiftModifier, false,
     false},
    {"EscapePressesNoOrdinaryButton", false, false, true, Qt::Key_Escape, {}, false, false},
    {"EscapePressesTheCancel", false, true, true, Qt::Key_Escape, {}, false, true},
    {"ReturnLeavesTheCancel", false, true, true, Qt::Key_Return, {}, false, false},
    {"EscapeLeavesTheDefault", true, false, true, Qt::Key_Escape, {}, false, false},
};

class ButtonKeyTest : public WindowControlsTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(ButtonKeyTest, KeyInAFieldPressesOnlyTheButtonThatAnswersIt) {
    const KeyRow& row = GetParam();
    auto& field = Make<fw::TextField>("txt_amount", {Int("TabIndex", 0)});
    field.OnKeyDown([&row](fw::TextField&, const std::string&) { return row.fieldTakesKey; });
    auto& button = Make<fw::PushButton>(
        "btn_go", {Bool("Default", row.isDefault), Bool("Cancel", row.isCancel),
                   Bool("Enabled", row.enabled), Int("TabIndex", 1)});
    int presses = 0;
    button.OnAction([&presses](fw::PushButton&) { ++presses; });

    QTest::keyClick(&Widget(field), row.key, row.modifiers);
    EXPECT_EQ(presses, row.pressed ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, ButtonKeyTest, ::testing::ValuesIn(kKeys), RowName<KeyRow>);

// ---- Control events -----------------------------------------------------------------------------

struct TypedRow {
    std::string name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool consume;
    std::string keyText;  // what the handler receives
    std::string fieldText;
};

const TypedRow kTyped[] = {
    {"ReturnArrivesAsCarriageReturn", Qt::Key_Return, {}, false, "\r", ""},
    {"KeypadEnterArrivesAsCarriageReturn", Qt::Key_Enter, Qt::KeypadModifier, false, "\r", ""},
    {"DigitLeftGoesIntoTheField", Qt::Key_7, {}, false, "7", "7"},
    {"DigitTakenStaysOutOfTheField", Qt::Key_7, {}, true, "7", ""},
    {"LetterLeftGoesIntoTheField", Qt::Key_A, {}, false, "a", "a"},
};

class FieldKeyDownTest : public WindowControlsTest,
                         public ::testing::WithParamInterface<TypedRow> {};

TEST_P(FieldKeyDownTest, KeyDownGetsTheKeyAndDecidesWhetherTheFieldDoes) {
    const TypedRow& row = GetParam();
    auto& field = Make<fw::TextField>("txt_amount", {});
    std::vector<std::string> keys;
    field.OnKeyDown([&](fw::TextField&, const std::string& key) {
        keys.push_back(key);
        return row.consume;
    });
    QTest::keyClick(&Widget(field), row.key, row.modifiers);
    EXPECT_EQ(keys, std::vector<std::string>{row.keyText});
    EXPECT_EQ(field.Text(), row.fieldText);
}

INSTANTIATE_TEST_SUITE_P(Keys, FieldKeyDownTest, ::testing::ValuesIn(kTyped), RowName<TypedRow>);

TEST_F(WindowControlsTest, ClickRaisesTheButtonsActionOnce) {
    auto& button = Make<fw::PushButton>("btn_quit", {Int("Width", 80), Int("Height", 20)});
    int presses = 0;
    button.OnAction([&presses](fw::PushButton&) { ++presses; });
    QTest::mouseClick(&Widget(button), Qt::LeftButton);
    EXPECT_EQ(presses, 1);
}

TEST_F(WindowControlsTest, LabelAndCanvasMouseDownGetTheClickPoint) {
    auto& label = Make<fw::Label>("lbl_Copyright", {Int("Width", 200), Int("Height", 30)});
    auto& canvas = Make<fw::Canvas>("Canvas1", {Int("Width", 138), Int("Height", 128)});
    std::vector<std::pair<std::int64_t, std::int64_t>> clicks;
    label.OnMouseDown([&](fw::Label&, std::int64_t x, std::int64_t y) {
        clicks.emplace_back(x, y);
        return false;
    });
    canvas.OnMouseDown([&](fw::Canvas&, std::int64_t x, std::int64_t y) {
        clicks.emplace_back(x, y);
        return true;
    });
    QTest::mouseClick(&Widget(label), Qt::LeftButton, {}, QPoint(5, 7));
    QTest::mouseClick(&Widget(canvas), Qt::LeftButton, {}, QPoint(100, 90));
    EXPECT_EQ(clicks, (std::vector<std::pair<std::int64_t, std::int64_t>>{{5, 7}, {100, 90}}));
}

// ---- The canvas's picture -----------------------------------------------------------------------

TEST_F(WindowControlsTest, CanvasDrawsItsBackdropAtItsTopLeft) {
    auto& canvas = Make<fw::Canvas>(
        "Canvas1", {Int("Width", 138), Int("Height", 128), Bool("Transparent", true)});
    const auto picture = fw::Picture::Open(BRENQUILL_SOURCE_DIR "/resources/loanCalc.png");
    ASSERT_NE(picture, nullptr);
    canvas.SetBackdrop(picture);
    const QImage shown = Drawn(canvas);
    const QImage drawn = picture->impl().pixmap.toImage();
    int compared = 0;
    for (int y = 0; y < std::min(drawn.height(), shown.height()); ++y) {
        for (int x = 0; x < std::min(drawn.width(), shown.width()); ++x) {
            if (qAlpha(drawn.pixel(x, y)) == 255) {
                ASSERT_EQ(shown.pixel(x, y), drawn.pixel(x, y)) << x << "," << y;
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 1000);
}

TEST_F(WindowControlsTest, CanvasWithoutBackdropDrawsNothing) {
    auto& canvas = Make<fw::Canvas>(
        "Canvas1", {Int("Width", 138), Int("Height", 128), Bool("Transparent", true)});
    canvas.SetBackdrop(nullptr);
    const QImage shown = Drawn(canvas);
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            ASSERT_EQ(qAlpha(shown.pixel(x, y)), 0) << x << "," << y;
        }
    }
}

// ---- The window's own properties ----------------------------------------------------------------

struct FrameRow {
    std::string name;
    std::vector<fw::LayoutRecord> records;
    std::function<void(const fw::Window::Impl&)> expect;
};

const std::vector<FrameRow>& FrameRows() {
    static const std::vector<FrameRow> rows = {
        {"FixedContentSize",
         {Int("Width", 638), Int("Height", 570), Bool("Resizeable", false)},
         [](const fw::Window::Impl& w) {
             EXPECT_EQ(w.content->size(), QSize(638, 570));
             EXPECT_EQ(w.frame->minimumSize(), w.frame->maximumSize());
         }},
        {"ResizableWithinItsLimits",
         {Int("Width", 300), Int("Height", 200), Int("MinimumWidth", 64), Int("MinimumHeight", 64),
          Int("MaximumWidth", 32000), Int("MaximumHeight", 32000), Bool("Resizeable", true)},
         [](const fw::Window::Impl& w) {
             EXPECT_EQ(w.content->minimumSize(), QSize(64, 64));
             EXPECT_EQ(w.content->maximumSize(), QSize(32000, 32000));
         }},
        {"Title",
         {Str("Title", "Brenquill / Loan Calculator")},
         [](const fw::Window::Impl& w) {
             EXPECT_EQ(w.frame->windowTitle(), "Brenquill / Loan Calculator");
         }},
        {"CloseButtonOnly",
         {Bool("HasCloseButton", true), Bool("HasMaximizeButton", false),
          Bool("HasMinimizeButton", false), Bool("Resizeable", false)},
         [](const fw::Window::Impl& w) {
             const Qt::WindowFlags flags = w.frame->windowFlags();
             EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
             EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
             EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
         }},
        {"BackgroundColourSwitchedOff",
         {Bool("HasBackgroundColor", false), Rgb("BackgroundColor", 0xFF, 0xFF, 0xFF)},
         [](const fw::Window::Impl& w) { EXPECT_FALSE(w.content->autoFillBackground()); }},
        {"BackgroundColourSwitchedOn",
         {Bool("HasBackgroundColor", true), Rgb("BackgroundColor", 0xC0, 0xC0, 0xFF)},
         [](const fw::Window::Impl& w) {
             EXPECT_TRUE(w.content->autoFillBackground());
             EXPECT_EQ(w.content->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xFF));
         }},
    };
    return rows;
}

class WindowFrameTest : public WindowControlsTest,
                        public ::testing::WithParamInterface<FrameRow> {};

TEST_P(WindowFrameTest, DesignedPropertyReachesTheFrame) {
    fw::SetProperties(*window_, fw::WriteLayout(GetParam().records));
    window_->impl().frame->show();
    GetParam().expect(window_->impl());
}

INSTANTIATE_TEST_SUITE_P(Window, WindowFrameTest, ::testing::ValuesIn(FrameRows()),
                         RowName<FrameRow>);

TEST_F(WindowControlsTest, DefaultLocationTwoCentresTheWindowOnThePrimaryScreen) {
    auto made = std::make_unique<fw::Window>();
    fw::SetProperties(
        *made, fw::WriteLayout({Int("Width", 638), Int("Height", 570), Bool("Resizeable", false),
                                Enum64("DefaultLocation", 2), Bool("Visible", true)}));
    fw::Window& shown = fw::ConstructWindow(std::move(made));
    const QWidget& frame = *shown.impl().frame;
    ASSERT_TRUE(frame.isVisible());
    const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    // Title bar and border included.
    EXPECT_LE((frame.frameGeometry().center() - centre).manhattanLength(), 1);
}

}  // namespace
