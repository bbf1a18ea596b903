#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include "framework/controls.h"
#include "framework/qt/control_impl.h"
#include "framework/runtime.h"
#include "framework/text.h"

namespace fw {

namespace {

class FieldWidget : public QLineEdit {
  public:
    FieldWidget(TextField& owner, QWidget* parent) : QLineEdit(parent), owner_(owner) {}

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        // Return and the keypad's Enter both arrive as a carriage return.
        const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        const std::string key = isReturn ? std::string("\r") : FromQString(event->text());
        if (!owner_.RaiseKeyDown(key)) {
            QLineEdit::keyPressEvent(event);
        }
    }

  private:
    TextField& owner_;
};

// Every text that enters the field, typed, pasted, dropped or set, passes here: a line break
// would be invisible in one line and make the text read as no number.
class SingleLineValidator : public QValidator {
  public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        if (input.contains(QLatin1Char('\n')) || input.contains(QLatin1Char('\r'))) {
            const std::string text = FromQString(input);
            std::size_t cursor = FromQString(input.left(position)).size();
            const std::string line = SingleLine(text, &cursor);
            input = ToQString(line);
            position = static_cast<int>(ToQString(std::string_view(line).substr(0, cursor)).size());
        }
        return Acceptable;
    }
};

QLineEdit* FieldOf(const TextField& field) {
    return static_cast<QLineEdit*>(field.impl().widget.data());
}

// What every editable text control declares; the one-line field adds its own below.
ClassInfo MakeTextEditClass() {
    using K = ValueKind;
    ClassInfo info{"TextEdit", &RectControl::Lookup(), {}, {}, {}};
    info.properties = TextControlProperties();
    info.properties.insert(info.properties.end(),
                           {
                               DeclareProperty("TextColor", K::Color, &TextControl::SetTextColor,
                                               &TextControl::TextColor),
                               DeclareStoredProperty("Format", K::String),
                               DeclareStoredProperty("AllowFocusRing", K::Boolean),
                               DeclareStoredProperty("AllowTabs", K::Boolean),
                               DeclareStoredProperty("AllowSpellChecking", K::Boolean),
                               DeclareStoredProperty("DataSource", K::String),
                               DeclareStoredProperty("DataField", K::String),
                           });
    return info;
}

ClassInfo MakeTextFieldClass() {
    using K = ValueKind;
    using T = TextField;
    ClassInfo info{"TextField", &TextEdit::Lookup(), {}, {}, [] { return std::make_unique<T>(); }};
    info.properties = {
        DeclareProperty("Text", K::String, &T::SetText, &T::Text),
        DeclareProperty("TextAlignment", K::Enum64, &T::SetTextAlignment, &T::TextAlignment),
        DeclareProperty("BackgroundColor", K::Color, &T::SetBackgroundColor, &T::BackgroundColor),
        DeclareProperty("HasBorder", K::Boolean, &T::SetHasBorder, &T::HasBorder),
        DeclareProperty("ReadOnly", K::Boolean, &T::SetReadOnly, &T::ReadOnly),
        DeclareProperty("Password", K::Boolean, &T::SetPassword, &T::Password),
        DeclareProperty("Hint", K::String, &T::SetHint, &T::Hint),
        DeclareProperty("MaximumCharactersAllowed", K::Integer, &T::SetMaximumCharactersAllowed,
                        &T::MaximumCharactersAllowed),
        DeclareStoredProperty("ValidationMask", K::String),
    };
    return info;
}

}  // namespace

const ClassInfo& TextEdit::Lookup() {
    static const ClassInfo info = MakeTextEditClass();
    return info;
}

const ClassInfo& TextField::Lookup() {
    static const ClassInfo info = MakeTextFieldClass();
    return info;
}

void TextField::CreateWidget() {
    auto* field = new FieldWidget(*this, impl().parent);
    field->setValidator(new SingleLineValidator(field));
    impl().widget = field;
    ApplyPalette();
}

std::string TextField::Text() const {
    EnterUiOperation("TextField.Text");
    return FromQString(FieldOf(*this)->text());
}

void TextField::SetText(std::string_view text) {
    EnterUiOperation("TextField.Text");
    FieldOf(*this)->setText(ToQString(text));
}

void TextField::SetTextAlignment(std::int64_t alignment) {
    EnterUiOperation("TextField.TextAlignment");
    alignment_ = alignment;
    FieldOf(*this)->setAlignment(ToQAlignment(alignment) | Qt::AlignVCenter);
}

void TextField::SetBackgroundColor(Color color) {
    EnterUiOperation("TextField.BackgroundColor");
    backgroundColor_ = color;
    ApplyPalette();
}

void TextField::ApplyTextColor() {
    ApplyPalette();
}

void TextField::ApplyPalette() {
    QLineEdit* field = FieldOf(*this);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, ToQColor(backgroundColor_));
    palette.setColor(QPalette::Text, ToQColor(TextColor()));
    field->setPalette(palette);
}

void TextField::SetHasBorder(bool hasBorder) {
    EnterUiOperation("TextField.HasBorder");
    hasBorder_ = hasBorder;
    FieldOf(*this)->setFrame(hasBorder);
}

void TextField::SetPassword(bool password) {
    EnterUiOperation("TextField.Password");
    password_ = password;
    FieldOf(*this)->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void TextField::SetReadOnly(bool readOnly) {
    EnterUiOperation("TextField.ReadOnly");
    readOnly_ = readOnly;
    FieldOf(*this)->setReadOnly(readOnly);
}

void TextField::SetHint(std::string_view hint) {
    EnterUiOperation("TextField.Hint");
    hint_ = hint;
    FieldOf(*this)->setPlaceholderText(ToQString(hint));
}

void TextField::SetMaximumCharactersAllowed(std::int64_t maximum) {
    EnterUiOperation("TextField.MaximumCharactersAllowed");
    maximumCharacters_ = maximum;
    constexpr int kToolkitLimit = 32767;
    FieldOf(*this)->setMaxLength(maximum > 0 && maximum < kToolkitLimit ? static_cast<int>(maximum)
                                                                        : kToolkitLimit);
}

bool TextField::RaiseKeyDown(const std::string& key) {
    return RaiseAnswered(keyDown_, *this, key);
}

}  // namespace fw
