#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/class_info.h"
#include "framework/control.h"
#include "framework/object.h"
#include "framework/runtime.h"

namespace fw {

class MenuBar;

// A top-level window. The program derives its window classes from it and handles the construction
// events CreateControls, Layout, AddMenuHandlers and Open, and the event Close raised when the user
// closes the window. Windows belong to the framework: the program reaches them through their
// class's implicit instance (ImplicitInstance<W>()).
class Window : public Object {
  public:
    using MenuHandler = std::function<bool()>;
    struct Impl;

    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    Window();
    ~Window() override;

    // Builds the window: it becomes its class's implicit instance, the construction events are
    // raised in order, and then it is shown when its Visible property says so.
    void Constructor();

    bool Visible() const;
    void SetVisible(bool visible);
    std::string Title() const;
    void SetTitle(std::string_view title);
    std::int64_t Left() const;
    void SetLeft(std::int64_t left);
    std::int64_t Top() const;
    void SetTop(std::int64_t top);
    // Width and Height are those of the content area, below a menu bar shown inside the window.
    std::int64_t Width() const;
    void SetWidth(std::int64_t width);
    std::int64_t Height() const;
    void SetHeight(std::int64_t height);
    std::int64_t MinimumWidth() const;
    void SetMinimumWidth(std::int64_t width);
    std::int64_t MinimumHeight() const;
    void SetMinimumHeight(std::int64_t height);
    std::int64_t MaximumWidth() const;
    void SetMaximumWidth(std::int64_t width);
    std::int64_t MaximumHeight() const;
    void SetMaximumHeight(std::int64_t height);
    bool Resizeable() const;
    void SetResizeable(bool resizeable);
    bool HasCloseButton() const;
    void SetHasCloseButton(bool has);
    bool HasMaximizeButton() const;
    void SetHasMaximizeButton(bool has);
    bool HasMinimizeButton() const;
    void SetHasMinimizeButton(bool has);
    // 2 centres the window on the primary screen when it is first shown.
    std::int64_t DefaultLocation() const;
    void SetDefaultLocation(std::int64_t location);
    bool HasBackgroundColor() const;
    void SetHasBackgroundColor(bool has);
    Color BackgroundColor() const;
    void SetBackgroundColor(Color color);

    std::shared_ptr<fw::MenuBar> MenuBar() const;
    void SetMenuBar(std::shared_ptr<fw::MenuBar> bar);

    // Controls, by name.
    std::unique_ptr<Control> New(const ClassInfo& controlClass);
    void AddControl(std::string_view name, std::unique_ptr<Control> control);
    Control& ControlByName(std::string_view name) const;  // NilObjectException when unknown
    // The same, checked to be of the class: IllegalCastException when it is of another.
    Control& ControlByName(std::string_view name, const ClassInfo& expected) const;
    template <class T>
    T& ControlAs(std::string_view name) const {
        return RuntimeCheckCast<T>(ControlByName(name));
    }
    std::size_t ControlCount() const;
    Control& ControlAt(std::size_t index) const;

    // Menu commands, by item name. HandleMenuCommand answers whether a bound handler handled it.
    void AddMenuHandler(std::string_view itemName, MenuHandler handler);
    bool HasMenuHandler(std::string_view itemName) const;
    bool HandleMenuCommand(std::string_view itemName);

    // Closes the window as the user does with its close button.
    void Close();

    Impl& impl() const { return *impl_; }

  private:
    std::unique_ptr<Impl> impl_;
};

// The window whose class has that full name, from the start of its construction until it is
// destroyed; nothing when there is none.
Window* GetImplicitWindow(std::string_view fullName);

// Takes the new window into the framework's keeping and builds it. If building fails, the window is
// destroyed and the exception passes on.
Window& ConstructWindow(std::unique_ptr<Window> window);

// The window of class W, built when there is none.
template <class W>
W& ImplicitInstance() {
    if (Window* existing = GetImplicitWindow(W::Lookup().fullName)) {
        return RuntimeCheckCast<W>(*existing);
    }
    return RuntimeCheckCast<W>(ConstructWindow(std::make_unique<W>()));
}

// Every window the framework keeps, in the order they were made.
std::size_t WindowCount();
Window& WindowAt(std::size_t index);
bool AnyWindowVisible();
void DestroyAllWindows();

}  // namespace fw
