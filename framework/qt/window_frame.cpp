// The toolkit side of a window: its frame, the content area its controls live in, and what happens
// when the user closes it.

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "framework/placement.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/convert.h"
#include "framework/qt/window_impl.h"

namespace fw {

namespace {

// Linux and Windows have no menu bar without a window: when the user closes the last visible window
// the program ends. On macOS it keeps running with its menu bar, as programs there do.
constexpr bool kEndsWithLastWindow =
#ifdef Q_OS_MACOS
    false;
#else
    true;
#endif

}  // namespace

// ---- WindowFrame --------------------------------------------------------------------------------

WindowFrame::WindowFrame(Window& owner) : owner_(&owner) {}

void WindowFrame::closeEvent(QCloseEvent* event) {
    // The framework decides what closing means; the toolkit never destroys the widget on its own.
    event->ignore();
    if (owner_ != nullptr) {
        owner_->impl().OnUserClose();
    }
}

// ---- Window::Impl -------------------------------------------------------------------------------

Window::Impl::Impl(Window& w) : owner(w), frame(std::make_unique<WindowFrame>(w)) {
    layout = new QVBoxLayout(frame.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    content = new QWidget(frame.get());
    layout->addWidget(content);
    ApplyFlags();
    ApplyGeometry();
}

Window::Impl::~Impl() {
    // Taken apart while every member is still alive: hiding a focused frame moves the focus, which
    // the menu bar's view follows, and the view's handlers reach back into the window.
    frame->Forget();
    delete shortcutsView;
    shortcutsView = nullptr;
    frame->hide();
    layout->setMenuBar(nullptr);
    delete menuView;
    menuView = nullptr;
    controls.clear();  // each control takes its widget with it, before the frame goes
    frame.reset();
}

void Window::Impl::ApplyGeometry() {
    const int w = ClampSize(width, 1);
    const int h = ClampSize(height, 1);
    if (resizeable) {
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        content->setMinimumSize(ClampSize(minWidth), ClampSize(minHeight));
        content->setMaximumSize(ClampSize(maxWidth, 1), ClampSize(maxHeight, 1));
    } else {
        layout->setSizeConstraint(QLayout::SetFixedSize);
        content->setFixedSize(w, h);
    }
    const int menuHeight = menuView != nullptr ? menuView->sizeHint().height() : 0;
    frame->resize(w, h + menuHeight);
    content->resize(w, h);
}

void Window::Impl::ApplyFlags() {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (hasClose) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (hasMinimize) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (hasMaximize && resizeable) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    const bool wasVisible = frame->isVisible();
    frame->setWindowFlags(flags);
    if (wasVisible) {
        frame->show();  // changing the flags hides a shown window
    }
}

// Puts the window, with its title bar and border, in the middle of the primary screen's free area.
// The decorations are known only once the window is shown; before that its content is centred.
static void CentreOnPrimaryScreen(QWidget& frame) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect free = screen->availableGeometry();
        const QSize outer = frame.frameGeometry().size();
        const ScreenPoint at = CentredIn({free.x(), free.y(), free.width(), free.height()},
                                         outer.width(), outer.height());
        frame.move(at.x, at.y);
    }
}

// Where typing goes when the window opens: its first text field in tab order, else no control at
// all, so that neither a click nor a key acts on a button the user did not choose.
void Window::Impl::FocusFirstTextField() {
    for (RectControl* c : FocusableInTabOrder(owner)) {
        if (c->TakesFocusWhenOpened() && c->Visible() && c->Enabled() &&
            (c->impl().widget->focusPolicy() & Qt::TabFocus) != 0) {
            c->impl().widget->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
    content->setFocus(Qt::ActiveWindowFocusReason);
}

void Window::Impl::ShowNative() {
    const bool first = !shownOnce;
    shownOnce = true;
    if (first && defaultLocation == 2) {
        CentreOnPrimaryScreen(*frame);
    } else if (first) {
        frame->move(ClampCoordinate(left), ClampCoordinate(top));
    }
    frame->show();
    if (first) {
        FocusFirstTextField();
    }
    if (first && defaultLocation == 2 && frame->frameGeometry().size() != frame->size()) {
        CentreOnPrimaryScreen(*frame);
    }
}

void Window::Impl::OnUserClose() {
    if (closing) {
        return;  // a Close handler that closes its own window again
    }
    closing = true;
    Window& w = owner;
    Dispatch([&w] { RaiseEvent(w, "Close"); });
    DestroyWindow(w);
    if (kEndsWithLastWindow && !AnyWindowVisible()) {
        Quit(0);
    }
}

}  // namespace fw
