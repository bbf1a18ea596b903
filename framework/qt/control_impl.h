#pragma once

// The toolkit side of a RectControl, shared by the framework's own sources only.

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>
#include <vector>

#include "framework/qt/convert.h"
#include "framework/rect_control.h"
#include "framework/runtime.h"

namespace fw {

struct RectControl::Impl {
    QPointer<QWidget> widget;
    QWidget* parent = nullptr;
    std::int64_t left = 0, top = 0, width = 80, height = 22;
    bool visible = true;
    bool enabled = true;
    std::string tooltip;
    std::int64_t tabIndex = 0;
    bool tabStop = true;
    bool transparent = false;

    void ApplyGeometry();
    void ApplyFont(const DesignedFont& designed);
};

// Raises a control event whose handler answers whether it consumed the key or click; no handler, or
// one that failed, consumes nothing. The handler runs from a copy, so that one that replaces itself
// does not destroy its own closure.
template <class Handler, class... Args>
bool RaiseAnswered(const Handler& handler, Args&... args) {
    bool consumed = false;
    if (handler) {
        Dispatch([&, call = handler] { consumed = call(args...); });
    }
    return consumed;
}

// The window's controls that can take the focus, by TabIndex (in the order made where equal).
std::vector<RectControl*> FocusableInTabOrder(const Window& window);

// Orders the window's controls for keyboard focus by their TabIndex.
void UpdateTabOrder(Window& window);

}  // namespace fw
