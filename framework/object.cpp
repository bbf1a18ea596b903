#include "framework/object.h"

#include "framework/runtime.h"

namespace fw {

bool Object::IsEventImplemented(std::string_view event) const {
    return RuntimeIsEventHandled(*this, Class().fullName, event, true);
}

const PropertyValue* Object::StoredValue(std::string_view name) const {
    auto it = stored_.find(name);
    return it == stored_.end() ? nullptr : &it->second;
}

void Object::Store(std::string_view name, PropertyValue value) {
    stored_.insert_or_assign(std::string(name), std::move(value));
}

const ClassInfo& ObjectClass() {
    static const ClassInfo info{"Object", nullptr, {}, {}, {}};
    return info;
}

bool RaiseEvent(Object& object, std::string_view event) {
    if (!object.IsEventImplemented(event)) {
        return false;
    }
    const EventInfo* info = object.Class().FindEvent(event);
    if (info == nullptr || !info->handler) {
        return false;
    }
    info->handler(object);
    return true;
}

}  // namespace fw
