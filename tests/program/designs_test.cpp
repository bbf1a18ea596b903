// Both windows as their user finds them. Every record of every designed layout, read back with the
// framework's reader, is compared with what its widget shows; the facts the user knows them by
// (texts, lettering, places, window sizes, tab order, logos) stand as named lines.

#include <QImage>
#include <QPainter>
#include <QScreen>

#include <cmath>
#include <map>

#include "calculator/win_main_design.h"
#include "credits/credits_design.h"
#include "framework/placement.h"
#include "tests/support/window_driver.h"

namespace {

using namespace window_driver;
using Value = fw::PropertyValue;
using Texts = std::vector<std::string>;
using Seen = std::pair<std::string, std::string>;  // what the widget shows, what the design asks
using Probe = Seen (*)(const QWidget&, const Value&);

// The designed value as each kind of widget property holds it, and any value as text.
const auto B = [](const Value& v) { return std::get<bool>(v); };
const auto I = [](const Value& v) { return static_cast<int>(std::get<std::int64_t>(v)); };
const auto S = [](const Value& v) { return QString::fromStdString(std::get<std::string>(v)); };
const auto C = [](const Value& v) {
    const fw::Color c = std::get<fw::Color>(v);  // its top byte is transparency, not opacity
    return QColor(c.Red(), c.Green(), c.Blue(), 255 - c.Transparency());
};
const auto Text = [](const QVariant& value) { return value.toString().toStdString(); };
// One probe: what the widget `w` shows of the record, and what the record's value `v` asks for.
// clang-format off
#define PROBE(name, shown, designed) \
    { name, [](const QWidget& w, const Value& v) { return Seen{Text(shown), Text(designed)}; } }

// What the user sees of each record, keyed by the record's name in lower case. A record missing
// here (and every record of a window's own layout, whose looks are below) is compared with what
// the object reports instead.
const std::map<QString, Probe> kControlProbes = {
    PROBE("left", w.x(), I(v)), PROBE("top", w.y(), I(v)),
    PROBE("width", w.width(), I(v)), PROBE("height", w.height(), I(v)),
    PROBE("visible", !w.isHidden(), B(v)), PROBE("enabled", w.isEnabled(), B(v)),
    PROBE("tooltip", w.toolTip(), S(v)), PROBE("transparent", !w.autoFillBackground(), B(v)),
    // A carriage return, alone or before a line feed, breaks a label's line.
    PROBE("text", w.property("text"), S(v).replace("\r\n", "\n").replace('\r', '\n')),
    PROBE("caption", w.property("text"), S(v)),
    PROBE("textalignment",
          int(w.property("alignment").value<Qt::Alignment>() & Qt::AlignHorizontal_Mask),
          I(v) == 2 ? Qt::AlignHCenter : I(v) == 3 ? Qt::AlignRight : Qt::AlignLeft),
    PROBE("textcolor", w.palette().color(w.foregroundRole()), C(v)),
    PROBE("backgroundcolor", w.palette().color(QPalette::Base), C(v)),
    PROBE("multiline", w.property("wordWrap"), B(v)),
    PROBE("selectable",
          bool(w.property("textInteractionFlags").toInt() & Qt::TextSelectableByMouse), B(v)),
    PROBE("bold", w.font().bold(), B(v)), PROBE("italic", w.font().italic(), B(v)),
    PROBE("underline", w.font().underline(), B(v)),
    // "System" and a size of 0 stand for the platform's interface font; sizes are in pixels.
    PROBE("fontname", w.font().family(),
          S(v) == "System" ? QApplication::font(&w).family() : S(v)),
    PROBE("fontsize", w.font().pixelSize(),
          std::get<float>(v) > 0 ? int(std::lround(std::get<float>(v)))
                                 : QApplication::font(&w).pixelSize()),
    PROBE("hasborder", w.property("frame"), B(v)),
    PROBE("password", w.property("echoMode").toInt() == QLineEdit::Password, B(v)),
    PROBE("readonly", w.property("readOnly"), B(v)),
    PROBE("hint", w.property("placeholderText"), S(v)),
    PROBE("maximumcharactersallowed", w.property("maxLength"), I(v) > 0 ? I(v) : 32767),
    PROBE("default", w.property("default"), B(v)),
    PROBE("allowfocus", w.focusPolicy() != Qt::NoFocus, B(v)),
};

#undef PROBE

// What the program changes after building: the calculator's Open handler fills in its texts, and
// leaving the calculator puts the credits window in its place.
const std::map<std::string, Value> kAfterwards = {
    {"WinMain.Title", std::string("Brenquill Calculator")},
    {"WinMain.lbl_Copyright.Text", std::string("Copyright \u00A9 2026 Quorvane. All rights reserved.")},
    {"WinMain.txt_loanamount.Text", std::string("100000")},
    {"WinMain.txt_term.Text", std::string("360")},
    {"WinMain.txt_interest.Text", std::string("3.75")},
    {"WinMain.Visible", false},
    {"Credits.Visible", true},
};
// clang-format on

void Compare(const std::string& where, const fw::Object& object, const QWidget& widget,
             const std::map<QString, Probe>& probes, const fw::LayoutRecord& record) {
    SCOPED_TRACE(where);
    const auto later = kAfterwards.find(where);
    const Value& value = later != kAfterwards.end() ? later->second : record.value;
    const auto probe = probes.find(QString::fromStdString(record.name).toLower());
    if (probe != probes.end()) {
        const auto [shown, designed] = probe->second(widget, value);
        EXPECT_EQ(shown, designed);
    } else {
        EXPECT_EQ(object.Class().FindProperty(record.name)->get(object), value);
    }
}

void CompareWindow(const fw::Window& window, const std::string& name, const std::string& design,
                   const std::vector<fw::ControlDesign>& controls) {
    for (const fw::LayoutRecord& r : fw::ReadLayout(design, window.Class())) {
        Compare(name + "." + r.name, window, *window.impl().content, {}, r);
    }
    ASSERT_EQ(window.ControlCount(), controls.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const auto& control = static_cast<const fw::RectControl&>(window.ControlAt(i));
        const std::string where = name + "." + std::string(controls[i].name);
        EXPECT_EQ(control.Class().fullName, controls[i].className) << where;
        for (const fw::LayoutRecord& r : fw::ReadLayout(controls[i].layout, control.Class())) {
            Compare(where + "." + r.name, control, *WidgetOf(control), kControlProbes, r);
        }
    }
}

using DesignTest = LaunchedTest;

TEST_F(DesignTest, EveryDesignedRecordShowsOnScreen) {
    Leave();
    CompareWindow(WinMain::Instance(), "WinMain", WinMainDesign(), WinMainControlDesigns());
    CompareWindow(Credits::Instance(), "Credits", CreditsDesign(), CreditsControlDesigns());
}

// What the user sees of a window, in words: title, content size, place and buttons.
std::string Look(const fw::Window& window) {
    const QWidget& frame = *FrameOf(window);
    const QWidget& content = *window.impl().content;
    // Centred as far as the screen allows: a window larger than it keeps its top left on it.
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect outer = frame.frameGeometry();
    const fw::ScreenPoint centred = fw::CentredIn({free.x(), free.y(), free.width(), free.height()},
                                                  outer.width(), outer.height());
    QString look = (frame.isVisible() ? "" : "(hidden) ") + frame.windowTitle() +
                   QString(" %1x%2").arg(content.width()).arg(content.height()) +
                   (content.minimumSize() == content.maximumSize() ? " fixed" : "") +
                   (outer.topLeft() == QPoint(centred.x, centred.y) ? " centred" : "") +
                   (content.autoFillBackground() ? " coloured" : "");
    for (auto [hint, name] : {std::pair{Qt::WindowCloseButtonHint, " closable"},
                              std::pair{Qt::WindowMinimizeButtonHint, " minimisable"},
                              std::pair{Qt::WindowMaximizeButtonHint, " maximisable"}}) {
        look += frame.windowFlags() & hint ? name : "";
    }
    return look.toStdString();
}

// And of a control: its text (a label's with its lettering, colour and alignment), size and place.
std::string Look(const fw::RectControl& control) {
    const QWidget& w = *WidgetOf(control);
    QString look = (w.isHidden() ? "(hidden) " : "") + w.property("text").toString();
    const auto a = w.property("alignment").value<Qt::Alignment>();
    const QString aligned = QString(a & Qt::AlignHCenter ? " centre"
                                    : a & Qt::AlignRight ? " right"
                                                         : " left") +
                            (a & Qt::AlignTop       ? " top"
                             : a & Qt::AlignVCenter ? " middle"
                                                    : " bottom");
    if (const auto* label = qobject_cast<const QLabel*>(&w)) {
        const QFont f = label->font();
        look += " [" + f.family() +
                (f.pixelSize() > 0 ? " " + QString::number(f.pixelSize()) : "") +
                (f.bold() ? " bold" : "") + (f.italic() ? " italic" : "") + " " +
                label->palette().color(QPalette::WindowText).name() + aligned +
                (label->wordWrap() ? " wrapped]" : "]");
    } else if (qobject_cast<const QLineEdit*>(&w) != nullptr) {
        look += " [" + aligned.mid(1) + "]";
    }
    const QRect r = w.geometry();
    return (look + QString(" %1x%2 at %3,%4").arg(r.width()).arg(r.height()).arg(r.x()).arg(r.y()))
        .toStdString();
}

// Both windows as the user finds them once the calculator has been left, control by control in the
// order they are built; every control that shows lies inside its window, clear of every other.
TEST_F(DesignTest, LooksAsItsUserKnowsIt) {
    // clang-format off
    const Texts calculator = {
        "(hidden) Brenquill Calculator 638x570 fixed centred closable",
        "Copyright \u00A9 2026 Quorvane. All rights reserved. [Verdana 12 bold italic #000000 centre top] 560x38 at 39,493",
        "Click to Visit Website 173x20 at 117,443",
        "Quit 173x20 at 329,443",
        "Loan Amount $ [Verdana 16 #000000 right top] 126x20 at 139,161",
        "Term (in months) [Verdana 16 #000000 right top] 157x20 at 108,193",
        "Interest Rate (APR) [Verdana 16 #000000 right top] 183x20 at 82,225",
        "100000 [left middle] 118x22 at 269,162",
        "360 [left middle] 118x22 at 269,193",
        "3.75 [left middle] 118x22 at 269,225",
        "Calculate 80x20 at 269,394",
        " 138x128 at 12,13",
        "Note: This calculator only shows payments including interest. Taxes, Insurance and other "
        "fees are not included. For estimation purposes only, your actual payments may vary.  "
        "[Verdana bold #1020c7 left top wrapped] 339x84 at 214,32",
        "(hidden) Monthly Payment [Verdana 20 #006dff centre top] 480x37 at 82,271",
        "(Numbers Only, no commas) [Verdana 14 #000000 left top] 204x20 at 389,161",
        "% [Verdana 16 #000000 left top] 35x20 at 391,221",
        "(hidden) Total Cost Over Loan Life $ [Verdana 16 #000000 centre top] 553x29 at 28,344",
        "(hidden) Total Interest [verdena 16 bold #ff4300 centre top] 480x20 at 79,320"};
    const Texts credits = {
        "Credits 830x618 centred closable minimisable maximisable",
        "Thank you for using free software from Quorvane\n\nIf you enjoy this software, please "
        "share  it with others. If you would like to see more software like this, please let us "
        "know if you enjoyed it and suggest other topics of interest. \n\nIf you would like to "
        "support the author, contributions of any size are welcome. "
        "[verdena 20 bold italic #000000 centre top wrapped] 523x300 at 153,179",
        " 280x167 at 275,0",
        "Visit Our Website 134x20 at 275,512",
        "Exit 80x20 at 375,565",
        "Contact Us Now 134x20 at 421,512"};
    // clang-format on
    Leave();
    for (const auto& [window, looks] :
         {std::pair{(const fw::Window*)&WinMain::Instance(), calculator},
          std::pair{(const fw::Window*)&Credits::Instance(), credits}}) {
        Texts shown = {Look(*window)};
        std::vector<QRect> places;
        for (std::size_t i = 0; i < window->ControlCount(); ++i) {
            const auto& control = static_cast<const fw::RectControl&>(window->ControlAt(i));
            shown.push_back(Look(control));
            const QRect place = WidgetOf(control)->geometry();
            if (!WidgetOf(control)->isHidden()) {
                EXPECT_TRUE(window->impl().content->rect().contains(place)) << control.Name();
                for (const QRect& other : places) {
                    EXPECT_FALSE(other.intersects(place)) << control.Name();
                }
                places.push_back(place);
            }
        }
        EXPECT_EQ(shown, looks);
    }
}

// The user moves with Tab through the buttons and fields only, and comes round to the first again.
TEST_F(DesignTest, TabVisitsTheButtonsAndFieldsInOrder) {
    const auto walk = [](const fw::Window& window, std::vector<const char*> order) {
        FocusIn(WidgetOf(window.ControlAs<fw::RectControl>(order[0])));
        for (std::size_t i = 1; i <= order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            const char* next = order[i % order.size()];
            EXPECT_EQ(QApplication::focusWidget(),
                      WidgetOf(window.ControlAs<fw::RectControl>(next)))
                << next;
        }
    };
    walk(WinMain::Instance(), {"btn_VisitWebsite", "btn_quit", "txt_loanamount", "txt_term",
                               "txt_interest", "btn_Calculate"});
    walk(Leave(), {"btn_VisitOurWebsite", "btn_exit", "btn_contactUs"});
}

// At the canvases' top left, over the window.
TEST_F(DesignTest, LogosShowAsTheirFilesHoldThem) {
    Leave();
    for (const auto& [canvas, file] :
         {std::pair{&WinMain::Instance().Canvas1(), "loanCalc.png"},
          std::pair{&Credits::Instance().Canvas1(), "QuorvaneUpdatedLogosmall.png"}}) {
        QWidget& widget = *WidgetOf(*canvas);
        QImage shown(widget.size(), QImage::Format_ARGB32), expected = shown;
        shown.fill(Qt::transparent);
        expected.fill(Qt::transparent);
        widget.render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
        QPainter(&expected).drawPixmap(0, 0,
                                       QPixmap(BRENQUILL_SOURCE_DIR "/resources/" + QString(file)));
        EXPECT_TRUE(shown == expected) << file;
    }
}

}  // namespace
