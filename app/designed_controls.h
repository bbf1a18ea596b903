#pragma once

#include <functional>
#include <memory>

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
