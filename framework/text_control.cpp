// Text controls: the font and colour they share, and the label.

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

#include "framework/controls.h"
#include "framework/qt/control_impl.h"
#include "framework/runtime.h"

namespace fw {

namespace {

class LabelWidget : public QLabel {
  public:
    LabelWidget(Label& owner, QWidget* parent) : QLabel(parent), owner_(owner) {}

  protected:
    void mousePressEvent(QMouseEvent* event) override {
        const QPoint p = event->position().toPoint();
        if (!owner_.RaiseMouseDown(p.x(), p.y())) {
            QLabel::mousePressEvent(event);
        }
    }

  private:
    Label& owner_;
};

QLabel* LabelOf(const Label& label) {
    return static_cast<QLabel*>(label.impl().widget.data());
}

ClassInfo MakeLabelClass() {
    using K = ValueKind;
    ClassInfo info{
        "Label", &RectControl::Lookup(), {}, {}, [] { return std::make_unique<Label>(); }};
    info.properties = TextControlProperties();
    info.properties.insert(
        info.properties.end(),
        {
            DeclareProperty("Text", K::String, &Label::SetText, &Label::Text),
            DeclareProperty("TextAlignment", K::Enum64, &Label::SetTextAlignment,
                            &Label::TextAlignment),
            DeclareProperty("MultiLine", K::Boolean, &Label::SetMultiLine, &Label::MultiLine),
            DeclareProperty("Selectable", K::Boolean, &Label::SetSelectable, &Label::Selectable),
            DeclareProperty("TextColor", K::Color, &Label::SetTextColor, &Label::TextColor),
            DeclareStoredProperty("DataSource", K::String),
            DeclareStoredProperty("DataField", K::String),
        });
    return info;
}

}  // namespace

std::vector<PropertyInfo> TextControlProperties() {
    using K = ValueKind;
    using T = TextControl;
    return {
        DeclareProperty("Bold", K::Boolean, &T::SetBold, &T::Bold),
        DeclareProperty("Italic", K::Boolean, &T::SetItalic, &T::Italic),
        DeclareProperty("Underline", K::Boolean, &T::SetUnderline, &T::Underline),
        DeclareProperty("FontName", K::String, &T::SetFontName, &T::FontName),
        DeclareProperty("FontSize", K::Single, &T::SetFontSize, &T::FontSize),
        DeclareStoredProperty("FontUnit", K::Enum8),
    };
}

// ---- TextControl --------------------------------------------------------------------------------

void TextControl::ApplyFont() {
    impl().ApplyFont(font_);
}

void TextControl::SetFontName(std::string_view name) {
    EnterUiOperation("TextControl.FontName");
    font_.name = name;
    ApplyFont();
}

void TextControl::SetFontSize(double size) {
    EnterUiOperation("TextControl.FontSize");
    font_.size = size;
    ApplyFont();
}

void TextControl::SetBold(bool bold) {
    EnterUiOperation("TextControl.Bold");
    font_.bold = bold;
    ApplyFont();
}

void TextControl::SetItalic(bool italic) {
    EnterUiOperation("TextControl.Italic");
    font_.italic = italic;
    ApplyFont();
}

void TextControl::SetUnderline(bool underline) {
    EnterUiOperation("TextControl.Underline");
    font_.underline = underline;
    ApplyFont();
}

void TextControl::SetTextColor(Color color) {
    EnterUiOperation("TextControl.TextColor");
    textColor_ = color;
    ApplyTextColor();
}

// ---- Label --------------------------------------------------------------------------------------

const ClassInfo& Label::Lookup() {
    static const ClassInfo info = MakeLabelClass();
    return info;
}

void Label::CreateWidget() {
    auto* label = new LabelWidget(*this, impl().parent);
    // Plain text always: what the program puts in a label is shown, never interpreted as markup.
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    impl().widget = label;
}

void Label::SetText(std::string_view text) {
    EnterUiOperation("Label.Text");
    text_ = text;
    LabelOf(*this)->setText(ToDisplayText(text_));
}

void Label::SetTextAlignment(std::int64_t alignment) {
    EnterUiOperation("Label.TextAlignment");
    alignment_ = alignment == 2 || alignment == 3 ? alignment : 1;
    LabelOf(*this)->setAlignment(ToQAlignment(alignment_) | Qt::AlignTop);
}

void Label::SetMultiLine(bool multiLine) {
    EnterUiOperation("Label.MultiLine");
    multiLine_ = multiLine;
    LabelOf(*this)->setWordWrap(multiLine);
}

void Label::SetSelectable(bool selectable) {
    EnterUiOperation("Label.Selectable");
    selectable_ = selectable;
    LabelOf(*this)->setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse
                                                       : Qt::NoTextInteraction);
    ApplyFocusPolicy();
}

void Label::ApplyTextColor() {
    QLabel* label = LabelOf(*this);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, ToQColor(TextColor()));
    label->setPalette(palette);
}

bool Label::RaiseMouseDown(std::int64_t x, std::int64_t y) {
    return RaiseAnswered(mouseDown_, *this, x, y);
}

}  // namespace fw
