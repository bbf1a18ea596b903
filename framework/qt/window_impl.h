#pragma once

// The toolkit side of a Window, shared by the framework's own sources only.

#include <QCloseEvent>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/window.h"

namespace fw {

// The top-level widget. Closing it asks the framework, which raises the window's Close event.
class WindowFrame : public QWidget {
  public:
    explicit WindowFrame(Window& owner);
    void Forget() { owner_ = nullptr; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    Window* owner_;
};

struct Window::Impl {
    explicit Impl(Window& owner);
    ~Impl();

    void ApplyGeometry();
    void ApplyFlags();
    void ShowNative();
    void FocusFirstTextField();
    void OnUserClose();

    Window& owner;
    std::unique_ptr<WindowFrame> frame;
    QVBoxLayout* layout = nullptr;
    QWidget* content = nullptr;  // controls live here, at their designed coordinates
    QWidget* menuView = nullptr;
    // Without a menu bar of its own, the window still answers the shortcuts of the application's.
    QWidget* shortcutsView = nullptr;

    std::string title;
    std::int64_t left = 0, top = 0, width = 100, height = 100;
    std::int64_t minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
    bool resizeable = true;
    bool hasClose = true, hasMaximize = true, hasMinimize = true;
    std::int64_t defaultLocation = 0;
    bool hasBackgroundColor = false;
    Color backgroundColor = Color::FromRgb(255, 255, 255);
    bool visible = true;
    bool constructed = false;
    bool shownOnce = false;
    bool closing = false;
    bool destroyed = false;

    std::shared_ptr<fw::MenuBar> menuBar;
    std::vector<std::pair<std::string, std::unique_ptr<Control>>> controls;
    std::vector<std::pair<std::string, MenuHandler>> menuHandlers;
};

// Takes the window out of the framework's keeping: it is hidden and no longer found, and it is
// deleted once the event loop that destroyed it is back in control.
void DestroyWindow(Window& window);

// Builds the toolkit view of a window's menu bar and routes its commands; nothing when none.
QWidget* BuildMenuBarView(Window& window, const std::shared_ptr<MenuBar>& bar);

// Gives a window without a menu bar the shortcuts of the application's menu bar, routed as the
// application's commands are: to the newest window that handles them, else to the item itself.
// Where the system shows the application's menu bar on its own (macOS), there is nothing to do.
QWidget* BuildApplicationShortcuts(Window& window, const std::shared_ptr<MenuBar>& bar);

}  // namespace fw
