#include "app/designed_controls.h"

#include <string>

#include "framework/controls.h"
#include "framework/runtime.h"

void CreateDesignedControl(fw::Window& window, const fw::ControlDesign& design,
                           const ControlSteps& steps) {
    const fw::ClassInfo* cls = fw::FindClass(design.className);
    if (cls == nullptr) {
        throw fw::NilObjectException("There is no control class " + std::string(design.className));
    }
    std::unique_ptr<fw::Control> made = window.New(*cls);
    fw::RuntimeCheckCast<fw::RectControl>(*made).Constructor();
    window.AddControl(design.name, std::move(made));
    fw::Control* control = &window.ControlByName(design.name, *cls);
    if (steps.backdrop) {
        fw::RuntimeCheckCast<fw::Canvas>(*control).SetBackdrop(steps.backdrop());
        control = &window.ControlByName(design.name, *cls);
    }
    fw::SetProperties(*control, design.layout);
    if (steps.attachHandlers) {
        steps.attachHandlers(window.ControlByName(design.name, *cls));
    }
}

void CreateDesignedControls(fw::Window& window, const std::vector<fw::ControlDesign>& designs,
                            const std::map<std::string_view, ControlSteps>& steps) {
    for (const fw::ControlDesign& design : designs) {
        auto it = steps.find(design.name);
        CreateDesignedControl(window, design, it != steps.end() ? it->second : ControlSteps{});
    }
}
