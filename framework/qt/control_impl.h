#pragma once

// The toolkit side of a RectControl, shared by the framework's own sources only.

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <string>

#include "framework/qt/convert.h"
#include "framework/rect_control.h"

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
    void ApplyFont(const FontSpec& designed);
};

// Orders the window's controls for keyboard focus by their TabIndex.
void UpdateTabOrder(Window& window);

}  // namespace fw
