#pragma once

#include <map>
#include <string>
#include <string_view>

#include "framework/class_info.h"

namespace fw {

// The root of every class the runtime knows: it can name its class and answer which events it
// handles.
class Object {
  public:
    Object() = default;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    virtual ~Object() = default;

    virtual const ClassInfo& Class() const = 0;

    // Whether the object's class handles the named event; the framework asks before raising one.
    virtual bool IsEventImplemented(std::string_view event) const;

    // Properties declared with DeclareStoredProperty keep their values here.
    const PropertyValue* StoredValue(std::string_view name) const;
    void Store(std::string_view name, PropertyValue value);

  private:
    std::map<std::string, PropertyValue, std::less<>> stored_;
};

// The class registration of Object itself, the base of every other.
const ClassInfo& ObjectClass();

// Raises the named event on the object when its class handles it. Returns whether it did.
bool RaiseEvent(Object& object, std::string_view event);

}  // namespace fw
