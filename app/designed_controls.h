#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/controls.h"
#include "framework/layout_string.h"
#include "framework/picture.h"
#include "framework/window.h"

// How both windows make each of their controls, one after another in tab order: make it for the
// window, register it under its name, look it up again, give a canvas its backdrop, apply the
// designed layout, then attach its event handlers. Each look-up checks the control's class.
struct ControlSteps {
    // For a canvas: the picture it shows, set before its designed properties.
    std::function<std::shared_ptr<fw::Picture>()> backdrop;
    // Attaches the control's handlers once its designed properties are applied.
    std::function<void(fw::Control&)> attachHandlers;
};

void CreateDesignedControl(fw::Window& window, const fw::ControlDesign& design,
                           const ControlSteps& steps);

// The window's controls, in the order of their designs; a control without steps of its own gets
// only its designed properties.
void CreateDesignedControls(fw::Window& window, const std::vector<fw::ControlDesign>& designs,
                            const std::map<std::string_view, ControlSteps>& steps);

// Handlers attached to a control's event as the window's own methods, bound to the window.
template <class W>
ControlSteps OnAction(W& window, void (W::*handler)(fw::PushButton&)) {
    return {{}, [&window, handler](fw::Control& c) {
                static_cast<fw::PushButton&>(c).OnAction(
                    [&window, handler](fw::PushButton& b) { (window.*handler)(b); });
            }};
}

template <class W>
ControlSteps OnKeyDown(W& window, bool (W::*handler)(fw::TextField&, const std::string&)) {
    return {{}, [&window, handler](fw::Control& c) {
                static_cast<fw::TextField&>(c).OnKeyDown(
                    [&window, handler](fw::TextField& f, const std::string& key) {
                        return (window.*handler)(f, key);
                    });
            }};
}

template <class W, class C>
ControlSteps OnMouseDown(W& window, bool (W::*handler)(C&, std::int64_t, std::int64_t)) {
    return {{}, [&window, handler](fw::Control& c) {
                static_cast<C&>(c).OnMouseDown(
                    [&window, handler](C& control, std::int64_t x, std::int64_t y) {
                        return (window.*handler)(control, x, y);
                    });
            }};
}
