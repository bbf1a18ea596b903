#include <QPushButton>

#include "framework/controls.h"
#include "framework/qt/control_impl.h"
#include "framework/runtime.h"

namespace fw {

namespace {

QPushButton* ButtonOf(const PushButton& button) {
    return static_cast<QPushButton*>(button.impl().widget.data());
}

ClassInfo MakePushButtonClass() {
    using K = ValueKind;
    using B = PushButton;
    ClassInfo info{"PushButton", &RectControl::Lookup(), {}, {}, [] { return std::make_unique<B>(); }};
    info.properties = {
        DeclareProperty("Caption", K::String, &B::SetCaption, &B::Caption),
        DeclareProperty("Default", K::Boolean, &B::SetDefault, &B::Default),
        DeclareProperty("Cancel", K::Boolean, &B::SetCancel, &B::Cancel),
        DeclareProperty("Bold", K::Boolean, &B::SetBold, &B::Bold),
        DeclareProperty("Italic", K::Boolean, &B::SetItalic, &B::Italic),
        DeclareProperty("Underline", K::Boolean, &B::SetUnderline, &B::Underline),
        DeclareProperty("FontName", K::String, &B::SetFontName, &B::FontName),
        DeclareProperty("FontSize", K::Single, &B::SetFontSize, &B::FontSize),
        DeclareStoredProperty("FontUnit", K::Enum8),
        DeclareStoredProperty("MacButtonStyle", K::Enum64),
    };
    return info;
}

const InitializerRegistration registration(InitStage::FrameworkClasses, "PushButton",
                                           [] { RegisterClass(PushButton::Lookup()); });

}  // namespace

const ClassInfo& PushButton::Lookup() {
    static const ClassInfo info = MakePushButtonClass();
    return info;
}

void PushButton::CreateWidget() {
    auto* button = new QPushButton(impl().parent);
    // Return in a field presses no button unless one is made the default.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(button, &QPushButton::clicked, button, [this] { RaiseAction(); });
    impl().widget = button;
}

void PushButton::SetCaption(std::string_view caption) {
    EnterUiOperation("PushButton.Caption");
    caption_ = caption;
    ButtonOf(*this)->setText(ToQString(caption));
}

void PushButton::SetDefault(bool isDefault) {
    EnterUiOperation("PushButton.Default");
    default_ = isDefault;
    ButtonOf(*this)->setDefault(isDefault);
}

void PushButton::SetCancel(bool isCancel) {
    EnterUiOperation("PushButton.Cancel");
    cancel_ = isCancel;
    ButtonOf(*this)->setShortcut(isCancel ? QKeySequence(Qt::Key_Escape) : QKeySequence());
}

void PushButton::RaiseAction() {
    if (action_) {
        Dispatch([this] { action_(*this); });
    }
}

}  // namespace fw
