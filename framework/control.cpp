#include "framework/control.h"

#include "framework/runtime.h"

namespace fw {

namespace {

ClassInfo MakeControlClass() {
    ClassInfo info{"Control", &ObjectClass(), {}, {}, {}};
    info.properties = {
        DeclareProperty("Name", ValueKind::String, &Control::SetName, &Control::Name),
        DeclareProperty("Index", ValueKind::Integer, &Control::SetIndex, &Control::Index),
        DeclareStoredProperty("TabPanelIndex", ValueKind::Integer),
    };
    return info;
}

}  // namespace

const ClassInfo& Control::Lookup() {
    static const ClassInfo info = MakeControlClass();
    return info;
}

void Control::SetName(std::string_view name) {
    EnterUiOperation("Control.Name");
    name_ = name;
}

void Control::SetIndex(std::int64_t index) {
    EnterUiOperation("Control.Index");
    index_ = index;
}

}  // namespace fw
