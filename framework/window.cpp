#include "framework/window.h"

#include "framework/application.h"
#include "framework/menus.h"
#include "framework/qt/convert.h"
#include "framework/qt/window_impl.h"

namespace fw {

namespace {

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

}  // namespace

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
    RaiseEvent(*this, "CreateControls");
    RaiseEvent(*this, "Layout");
    RaiseEvent(*this, "AddMenuHandlers");
    RaiseEvent(*this, "Open");
    impl_->constructed = true;
    if (!impl_->menuBar && !impl_->destroyed) {
        if (const Application* app = GetAppObject()) {
            impl_->shortcutsView = BuildApplicationShortcuts(*this, app->MenuBar());
        }
    }
    if (impl_->visible && !impl_->destroyed && !RuntimeIsQuitting()) {
        impl_->ShowNative();
    }
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
    impl_->frame->setWindowTitle(ToQString(title));
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
        impl_->frame->move(ClampCoordinate(left), impl_->frame->y());
    }
}

void Window::SetTop(std::int64_t top) {
    EnterUiOperation("Window.Top");
    impl_->top = top;
    if (impl_->shownOnce) {
        impl_->frame->move(impl_->frame->x(), ClampCoordinate(top));
    }
}

std::int64_t Window::Width() const {
    EnterUiOperation("Window.Width");
    return impl_->shownOnce ? impl_->content->width() : impl_->width;
}

std::int64_t Window::Height() const {
    EnterUiOperation("Window.Height");
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
        palette.setColor(QPalette::Window, ToQColor(c));
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
    if (impl_->menuBar) {  // its own bar answers the shortcuts from now on
        delete impl_->shortcutsView;
        impl_->shortcutsView = nullptr;
    }
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
    if (!controlClass.IsKindOf(Control::Lookup())) {
        throw IllegalCastException(controlClass.fullName + " is not a control class");
    }
    std::unique_ptr<Control> control = RuntimeNewObjectOf<Control>(controlClass);
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

Control& Window::ControlByName(std::string_view name, const ClassInfo& expected) const {
    Control& control = ControlByName(name);
    if (!control.Class().IsKindOf(expected)) {
        throw IllegalCastException("The control " + std::string(name) + " is a " +
                                   control.Class().fullName + ", not a " + expected.fullName);
    }
    return control;
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
            MenuHandler call = handler;  // the handler may bind others while it runs
            return call();
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

}  // namespace fw
