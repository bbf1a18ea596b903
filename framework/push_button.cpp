#include <QKeyEvent>
#include <QPushButton>

#include "framework/controls.h"
#include "framework/qt/control_impl.h"
#include "framework/runtime.h"

namespace fw {

namespace {

QPushButton* ButtonOf(const PushButton& button) {
    return static_cast<QPushButton*>(button.impl().widget.data());
}

// Watches the button's window for Return, Enter and Escape that no control took for itself: a key
// a control ignores climbs to the window. The toolkit only gives dialogs a default button, so a
// plain window needs this to press its default or cancel button. It goes with the button.
class WindowKeyWatcher : public QObject {
  public:
    WindowKeyWatcher(PushButton& owner, QPushButton* button) : QObject(button), owner_(owner) {
        button->window()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            return false;
        }
        const bool isReturn = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool answers =
            (isReturn && owner_.Default()) || (key->key() == Qt::Key_Escape && owner_.Cancel());
        auto* button = static_cast<QPushButton*>(parent());
        if (!answers || !button->isEnabled() ||
            !button->isVisibleTo(static_cast<QWidget*>(watched))) {
            return false;
        }
        button->click();
        return true;
    }

  private:
    PushButton& owner_;
};

// A focused button answers Space, as every button does, and also Return and the keypad's Enter,
// which the toolkit leaves to dialogs' default buttons. A held key presses it once.
class ButtonWidget : public QPushButton {
  public:
    using QPushButton::QPushButton;

  protected:
    void keyPressEvent(QKeyEvent* event) override {
        const bool isReturn = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
        if (!isReturn || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
            QPushButton::keyPressEvent(event);
            return;
        }
        event->accept();
        if (!event->isAutoRepeat()) {
            click();
        }
    }
};

ClassInfo MakePushButtonClass() {
    using K = ValueKind;
    using B = PushButton;
    ClassInfo info{
        "PushButton", &RectControl::Lookup(), {}, {}, [] { return std::make_unique<B>(); }};
    info.properties = TextControlProperties();
    info.properties.insert(info.properties.end(),
                           {
                               DeclareProperty("Caption", K::String, &B::SetCaption, &B::Caption),
                               DeclareProperty("Default", K::Boolean, &B::SetDefault, &B::Default),
                               DeclareProperty("Cancel", K::Boolean, &B::SetCancel, &B::Cancel),
                               DeclareStoredProperty("MacButtonStyle", K::Enum64),
                           });
    return info;
}

}  // namespace

const ClassInfo& PushButton::Lookup() {
    static const ClassInfo info = MakePushButtonClass();
    return info;
}

void PushButton::CreateWidget() {
    auto* button = new ButtonWidget(impl().parent);
    // Return in a field presses no button unless one is made the default.
    button->setAutoDefault(false);
    button->setDefault(false);
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
    WatchWindowKeys();
}

void PushButton::SetCancel(bool isCancel) {
    EnterUiOperation("PushButton.Cancel");
    cancel_ = isCancel;
    WatchWindowKeys();
}

// Only a default or cancel button needs to see its window's keys.
void PushButton::WatchWindowKeys() {
    QPushButton* button = ButtonOf(*this);
    constexpr const char* kWatcherName = "windowKeyWatcher";
    if ((default_ || cancel_) &&
        button->findChild<QObject*>(kWatcherName, Qt::FindDirectChildrenOnly) == nullptr) {
        (new WindowKeyWatcher(*this, button))->setObjectName(kWatcherName);
    }
}

void PushButton::RaiseAction() {
    if (action_) {
        Dispatch([this, handler = action_] { handler(*this); });
    }
}

}  // namespace fw
