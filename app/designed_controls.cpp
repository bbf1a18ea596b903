#include "app/designed_controls.h"

#include <string>

#include "framework/controls.h"
#include "framework/runtime.h"

namespace {

fw::Control& LookUp(fw::Window& window, std::string_view name, const fw::ClassInfo& cls) {
    fw::Control& control = window.ControlByName(name);
    if (!control.Class().IsKindOf(cls)) {
        throw fw::IllegalCastException("The control " + std::string(name) + " is a " +
                                       control.Class().fullName + ", not a " + cls.fullName);
    }
    return control;
}

}  // namespace

void CreateDesignedControl(fw::Window& window, const fw::ControlDesign& design,
                           const ControlSteps& steps) {
    const fw::ClassInfo* cls = fw::FindClass(design.className);
    if (cls == nullptr) {
        throw fw::NilObjectException("There is no control class " + std::string(design.className));
    }
    std::unique_ptr<fw::Control> made = window.New(*cls);
    fw::RuntimeCheckCast<fw::RectControl>(*made).Constructor();
    window.AddControl(design.name, std::move(made));
    fw::Control* control = &LookUp(window, design.name, *cls);
    if (steps.backdrop) {
        fw::RuntimeCheckCast<fw::Canvas>(*control).SetBackdrop(steps.backdrop());
        control = &LookUp(window, design.name, *cls);
    }
    fw::SetProperties(*control, design.layout);
    if (steps.attachHandlers) {
        steps.attachHandlers(LookUp(window, design.name, *cls));
    }
}

void CreateDesignedControls(fw::Window& window, const std::vector<fw::ControlDesign>& designs,
                            const std::map<std::string_view, ControlSteps>& steps) {
    for (const fw::ControlDesign& design : designs) {
        auto it = steps.find(design.name);
        CreateDesignedControl(window, design, it != steps.end() ? it->second : ControlSteps{});
    }
}
