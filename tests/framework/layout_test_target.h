#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "framework/object.h"

namespace layout_test {

// Stands in for windows and controls: its class declares every property a designed layout of the
// program uses, each with its value kind (the control basics on a base class, `MultiLine` and
// `MacProcId` in the framework's spelling), and keeps each value it is given.
class LayoutTarget : public fw::Object {
  public:
    static const fw::ClassInfo& BaseLookup();
    static const fw::ClassInfo& Lookup();
    const fw::ClassInfo& Class() const override { return Lookup(); }

    // The value the property's getter reports; throws std::out_of_range for an undeclared name.
    fw::PropertyValue Get(std::string_view name) const;

    // Declared names of the properties set, in the order they were set.
    std::vector<std::string> applied;
};

}  // namespace layout_test
