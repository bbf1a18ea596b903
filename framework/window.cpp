#include "framework/window.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

#include "framework/menus.h"
#include "framework/qt/window_impl.h"

namespace fw {

namespace {

// Windows the framework keeps; a destroyed window waits in the graveyard until the event loop is
// back at its top, so that no handler still running on it loses its object.
std::vector<std::unique_ptr<Window>>& LiveWindows() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

std::vector<std::unique_ptr<Window>>& Graveyard() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

// Linux and Windows have no menu bar without a window: when the user closes the last visible window
// the program ends. On macOS it keeps running with its menu bar, as programs there do.
constexpr bool kEndsWithLastWindow =
#ifdef Q_OS_MACOS
    false;
#else
    true;
#endif

void DestroyWindow(Window& window) {
    auto& live = LiveWindows();
    auto it =
        std::find_if(live.begin(), live.end(), [&](const auto& w) { return w.get() == &window; });
    if (it == live.end()) {
        return;
    }
    window.impl().destroyed = true;
    window.impl().frame->hide();
    Graveyard().push_back(std::move(*it));
    live.erase(it);
    QMetaObject::invokeMethod(
        qApp, [] { Graveyard().clear(); }, Qt::QueuedConnection);
}

ClassInfo MakeWindowClass() {
    using K = ValueKind;
    ClassInfo info{"Window", &ObjectClass(), {}, {}, {}};
    info.properties = {
        DeclareProperty("Width", K::Integer, &Window::SetWidth, &Window::Width),
        DeclareProperty("Height", K::Integer, &Window::SetHeight, &Window::Height),
        DeclareProperty("Left", K::Integer, &Window::SetLeft, &Window::Left),
        DeclareProperty("Top", K::Integer, &Window::SetTop, &Window::Top),
        DeclareProperty("MinimumWidth", K::Integer, &Window::SetMinimumWidth,
                        &Window::MinimumWidth),
        DeclareProperty("MinimumHeight", K::Integer, &Window::SetMinimumHeight,
                        &Window::MinimumHeight),
        DeclareProperty("MaximumWidth", K::Integer, &Window::SetMaximumWidth,
                        &Window::MaximumWidth),
        DeclareProperty("MaximumHeight", K::Integer, &Window::SetMaximumHeight,
                        &Window::MaximumHeight),
        DeclareStoredProperty("Type", K::Enum64),
        DeclareProperty("Title", K::String, &Window::SetTitle, &Window::Title),
        DeclareProperty("HasCloseButton", K::Boolean, &Window::SetHasCloseButton,
                        &Window::HasCloseButton),
        DeclareProperty("HasMaximizeButton", K::Boolean, &Window::SetHasMaximizeButton,
                        &Window::HasMaximizeButton),
        DeclareProperty("HasMinimizeButton", K::Boolean, &Window::SetHasMinimizeButton,
                        &Window::HasMinimizeButton),
        DeclareStoredProperty("HasFullScreenButton", K::Boolean),
        DeclareProperty("Resizeable", K::Boolean, &Window::SetResizeable, &Window::Resizeable),
        DeclareStoredProperty("Composite", K::Boolean),
        DeclareStoredProperty("MacProcId", K::Integer),
        DeclareStoredProperty("FullScreen", K::Boolean),
        DeclareProperty("DefaultLocation", K::Enum64, &Window::SetDefaultLocation,
                        &Window::DefaultLocation),
        DeclareProperty("Visible", K::Boolean, &Window::SetVisible, &Window::Visible),
        DeclareProperty("HasBackgroundColor", K::Boolean, &Window::SetHasBackgroundColor,
                        &Window::HasBackgroundColor),
        DeclareProperty("BackgroundColor", K::Color, &Window::SetBackgroundColor,
                        &Window::BackgroundColor),
        DeclareStoredProperty("MenuBarVisible", K::Boolean),
    };
    return info;
}

const InitializerRegistration registration(InitStage::FrameworkClasses, "Window",
                                           [] { RegisterClass(Window::Lookup()); });

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
    frame->Forget();
    controls.clear();  // each control takes its widget with it, before the frame goes
}

void Window::Impl::ApplyGeometry() {
    const int w = static_cast<int>(std::clamp<std::int64_t>(width, 1, 32000));
    const int h = static_cast<int>(std::clamp<std::int64_t>(height, 1, 32000));
    if (resizeable) {
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        content->setMinimumSize(static_cast<int>(std::clamp<std::int64_t>(minWidth, 0, 32000)),
                                static_cast<int>(std::clamp<std::int64_t>(minHeight, 0, 32000)));
        content->setMaximumSize(static_cast<int>(std::clamp<std::int64_t>(maxWidth, 1, 32000)),
                                static_cast<int>(std::clamp<std::int64_t>(maxHeight, 1, 32000)));
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

// Puts the window, with its title bar and border, in the middle of the primary screen. The
// decorations are known only once the window is shown; before that its content is centred.
static void CentreOnPrimaryScreen(QWidget& frame) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect box(QPoint(0, 0), frame.frameGeometry().size());
        box.moveCenter(screen->availableGeometry().center());
        frame.move(box.topLeft());
    }
}

void Window::Impl::ShowNative() {
    const bool first = !shownOnce;
    shownOnce = true;
    if (first && defaultLocation == 2) {
        CentreOnPrimaryScreen(*frame);
    } else if (first) {
        frame->move(static_cast<int>(left), static_cast<int>(top));
    }
    frame->show();
    if (first && defaultLocation == 2 && frame->frameGeometry().size() != frame->size()) {
        CentreOnPrimaryScreen(*frame);
    }
}

void Window::Impl::OnUserClose() {
    Window& w = owner;
    Dispatch([&w] { RaiseEvent(w, "Close"); });
    DestroyWindow(w);
    if (kEndsWithLastWindow && !AnyWindowVisible()) {
        Quit(0);
    }
}

// ---- Window -------------------------------------------------------------------------------------

const ClassInfo& Window::Lookup() {
    static const ClassInfo info = MakeWindowClass();
    return info;
}

Window::Window() {
    EnterUiOperation("Window.New");
    impl_ = std::make_unique<Impl>(*this);
}

Window::~Window() = default;

void Window::Constructor() {
    EnterUiOperation("Window.Constructor");
    impl_->constructing = true;
    RaiseEvent(*this, "CreateControls");
    RaiseEvent(*this, "Layout");
    RaiseEvent(*this, "AddMenuHandlers");
    RaiseEvent(*this, "Open");
    impl_->constructing = false;
    impl_->constructed = true;
    if (impl_->visible && !impl_->destroyed && !RuntimeIsQuitting()) {
        impl_->ShowNative();
    }
}

bool Window::IsBeingConstructed() const {
    return impl_->constructing;
}

bool Window::Visible() const {
    return impl_->visible;
}

void Window::SetVisible(bool visible) {
    EnterUiOperation("Window.Visible");
    impl_->visible = visible;
    if (!impl_->constructed || impl_->destroyed) {
        return;  // a window under construction is shown once it is built
    }
    if (!visible) {
        impl_->frame->hide();
    } else if (!RuntimeIsQuitting()) {
        impl_->ShowNative();  // while the program ends nothing new appears on screen
    }
}

std::string Window::Title() const {
    return impl_->title;
}

void Window::SetTitle(std::string_view title) {
    EnterUiOperation("Window.Title");
    impl_->title = title;
    impl_->frame->setWindowTitle(
        QString::fromUtf8(title.data(), static_cast<qsizetype>(title.size())));
}

std::int64_t Window::Left() const {
    return impl_->left;
}
std::int64_t Window::Top() const {
    return impl_->top;
}

void Window::SetLeft(std::int64_t left) {
    EnterUiOperation("Window.Left");
    impl_->left = left;
    if (impl_->shownOnce) {
        impl_->frame->move(static_cast<int>(left), impl_->frame->y());
    }
}

void Window::SetTop(std::int64_t top) {
    EnterUiOperation("Window.Top");
    impl_->top = top;
    if (impl_->shownOnce) {
        impl_->frame->move(impl_->frame->x(), static_cast<int>(top));
    }
}

std::int64_t Window::Width() const {
    return impl_->shownOnce ? impl_->content->width() : impl_->width;
}

std::int64_t Window::Height() const {
    return impl_->shownOnce ? impl_->content->height() : impl_->height;
}

#define FW_WINDOW_GEOMETRY_SETTER(Setter, field, op) \
    void Window::Setter(std::int64_t value) {        \
        EnterUiOperation("Window." op);              \
        impl_->field = value;                        \
        impl_->ApplyGeometry();                      \
    }
FW_WINDOW_GEOMETRY_SETTER(SetWidth, width, "Width")
FW_WINDOW_GEOMETRY_SETTER(SetHeight, height, "Height")
FW_WINDOW_GEOMETRY_SETTER(SetMinimumWidth, minWidth, "MinimumWidth")
FW_WINDOW_GEOMETRY_SETTER(SetMinimumHeight, minHeight, "MinimumHeight")
FW_WINDOW_GEOMETRY_SETTER(SetMaximumWidth, maxWidth, "MaximumWidth")
FW_WINDOW_GEOMETRY_SETTER(SetMaximumHeight, maxHeight, "MaximumHeight")
#undef FW_WINDOW_GEOMETRY_SETTER

std::int64_t Window::MinimumWidth() const {
    return impl_->minWidth;
}
std::int64_t Window::MinimumHeight() const {
    return impl_->minHeight;
}
std::int64_t Window::MaximumWidth() const {
    return impl_->maxWidth;
}
std::int64_t Window::MaximumHeight() const {
    return impl_->maxHeight;
}

bool Window::Resizeable() const {
    return impl_->resizeable;
}

void Window::SetResizeable(bool resizeable) {
    EnterUiOperation("Window.Resizeable");
    impl_->resizeable = resizeable;
    impl_->ApplyGeometry();
    impl_->ApplyFlags();
}

#define FW_WINDOW_FLAG(Getter, Setter, field) \
    bool Window::Getter() const {             \
        return impl_->field;                  \
    }                                         \
    void Window::Setter(bool value) {         \
        EnterUiOperation("Window." #Getter);  \
        impl_->field = value;                 \
        impl_->ApplyFlags();                  \
    }
FW_WINDOW_FLAG(HasCloseButton, SetHasCloseButton, hasClose)
FW_WINDOW_FLAG(HasMaximizeButton, SetHasMaximizeButton, hasMaximize)
FW_WINDOW_FLAG(HasMinimizeButton, SetHasMinimizeButton, hasMinimize)
#undef FW_WINDOW_FLAG

std::int64_t Window::DefaultLocation() const {
    return impl_->defaultLocation;
}

void Window::SetDefaultLocation(std::int64_t location) {
    EnterUiOperation("Window.DefaultLocation");
    impl_->defaultLocation = location;
}

bool Window::HasBackgroundColor() const {
    return impl_->hasBackgroundColor;
}
Color Window::BackgroundColor() const {
    return impl_->backgroundColor;
}

static void ApplyBackground(Window::Impl& impl) {
    impl.content->setAutoFillBackground(impl.hasBackgroundColor);
    if (impl.hasBackgroundColor) {
        QPalette palette = impl.content->palette();
        const Color c = impl.backgroundColor;
        palette.setColor(QPalette::Window,
                         QColor(c.Red(), c.Green(), c.Blue(), 255 - c.Transparency()));
        impl.content->setPalette(palette);
    }
}

void Window::SetHasBackgroundColor(bool has) {
    EnterUiOperation("Window.HasBackgroundColor");
    impl_->hasBackgroundColor = has;
    ApplyBackground(*impl_);
}

void Window::SetBackgroundColor(Color color) {
    EnterUiOperation("Window.BackgroundColor");
    impl_->backgroundColor = color;
    ApplyBackground(*impl_);
}

std::shared_ptr<fw::MenuBar> Window::MenuBar() const {
    return impl_->menuBar;
}

void Window::SetMenuBar(std::shared_ptr<fw::MenuBar> bar) {
    EnterUiOperation("Window.MenuBar");
    impl_->menuBar = std::move(bar);
    if (impl_->menuView != nullptr) {
        impl_->layout->setMenuBar(nullptr);
        delete impl_->menuView;
        impl_->menuView = nullptr;
    }
    impl_->menuView = BuildMenuBarView(*this, impl_->menuBar);
    if (impl_->menuView != nullptr) {
        impl_->layout->setMenuBar(impl_->menuView);
    }
    impl_->ApplyGeometry();
}

std::unique_ptr<Control> Window::New(const ClassInfo& controlClass) {
    EnterUiOperation("Window.New");
    if (!controlClass.IsKindOf(Control::Lookup()) || !controlClass.factory) {
        throw IllegalCastException(controlClass.fullName + " is not a control class");
    }
    std::unique_ptr<Object> object = controlClass.factory();
    std::unique_ptr<Control> control(static_cast<Control*>(object.release()));
    control->PlaceIn(*this);
    return control;
}

void Window::AddControl(std::string_view name, std::unique_ptr<Control> control) {
    EnterUiOperation("Window.AddControl");
    if (!control) {
        throw NilObjectException("Window.AddControl was given no control");
    }
    control->SetName(name);
    impl_->controls.emplace_back(std::string(name), std::move(control));
}

Control& Window::ControlByName(std::string_view name) const {
    EnterUiOperation("Window.ControlByName");
    for (const auto& [controlName, control] : impl_->controls) {
        if (EqualsIgnoringCase(controlName, name)) {
            return *control;
        }
    }
    throw NilObjectException("The window " + Class().fullName + " has no control named " +
                             std::string(name));
}

std::size_t Window::ControlCount() const {
    return impl_->controls.size();
}

Control& Window::ControlAt(std::size_t index) const {
    if (index >= impl_->controls.size()) {
        throw NilObjectException("No control at index " + std::to_string(index));
    }
    return *impl_->controls[index].second;
}

void Window::AddMenuHandler(std::string_view itemName, MenuHandler handler) {
    EnterUiOperation("Window.AddMenuHandler");
    impl_->menuHandlers.emplace_back(std::string(itemName), std::move(handler));
}

bool Window::HasMenuHandler(std::string_view itemName) const {
    return std::any_of(
        impl_->menuHandlers.begin(), impl_->menuHandlers.end(),
        [&](const auto& entry) { return EqualsIgnoringCase(entry.first, itemName); });
}

bool Window::HandleMenuCommand(std::string_view itemName) {
    for (const auto& [name, handler] : impl_->menuHandlers) {
        if (EqualsIgnoringCase(name, itemName)) {
            return handler();
        }
    }
    return false;
}

void Window::Close() {
    EnterUiOperation("Window.Close");
    if (!impl_->destroyed) {
        impl_->OnUserClose();
    }
}

// ---- The framework's windows ------------------------------------------------------------------

Window* GetImplicitWindow(std::string_view fullName) {
    EnterUiOperation("GetImplicitWindow");
    for (const auto& w : LiveWindows()) {
        if (w->Class().fullName == fullName) {
            return w.get();
        }
    }
    return nullptr;
}

Window& ConstructWindow(std::unique_ptr<Window> window) {
    Window& w = *window;
    LiveWindows().push_back(std::move(window));
    try {
        w.Constructor();
    } catch (...) {
        DestroyWindow(w);
        throw;
    }
    return w;
}

std::size_t WindowCount() {
    return LiveWindows().size();
}
Window& WindowAt(std::size_t index) {
    return *LiveWindows().at(index);
}

bool AnyWindowVisible() {
    const auto& live = LiveWindows();
    return std::any_of(live.begin(), live.end(),
                       [](const auto& w) { return w->impl().frame->isVisible(); });
}

void DestroyAllWindows() {
    // Newest first, so that no window outlives one it was built after.
    auto& live = LiveWindows();
    while (!live.empty()) {
        live.back()->impl().destroyed = true;
        live.pop_back();
    }
    Graveyard().clear();
}

}  // namespace fw
