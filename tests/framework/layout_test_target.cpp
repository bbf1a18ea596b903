#include "tests/framework/layout_test_target.h"

#include <span>
#include <stdexcept>
#include <utility>

namespace layout_test {

namespace {

using fw::ValueKind;
using Declared = std::pair<const char*, ValueKind>;

constexpr ValueKind B = ValueKind::Boolean;
constexpr ValueKind I = ValueKind::Integer;
constexpr ValueKind E = ValueKind::Enum64;
constexpr ValueKind S = ValueKind::String;
constexpr ValueKind C = ValueKind::Color;

// clang-format off
constexpr Declared kControlProperties[] = {
    {"Name", S}, {"Index", I}, {"TabPanelIndex", I}, {"Left", I}, {"Top", I}, {"Width", I},
    {"Height", I}, {"LockLeft", B}, {"LockTop", B}, {"LockRight", B}, {"LockBottom", B},
    {"TabIndex", I}, {"TabStop", B}, {"Enabled", B}, {"Tooltip", S}, {"Transparent", B},
    {"Visible", B}, {"InitialParent", S}, {"AllowAutoDeactivate", B},
};

constexpr Declared kOtherProperties[] = {
    {"MinimumWidth", I}, {"MinimumHeight", I}, {"MaximumWidth", I}, {"MaximumHeight", I},
    {"Type", E}, {"Title", S}, {"HasCloseButton", B}, {"HasMaximizeButton", B},
    {"HasMinimizeButton", B}, {"HasFullScreenButton", B}, {"Resizeable", B}, {"Composite", B},
    {"MacProcId", I}, {"FullScreen", B}, {"DefaultLocation", E}, {"HasBackgroundColor", B},
    {"BackgroundColor", C}, {"MenuBarVisible", B}, {"MultiLine", B}, {"Selectable", B},
    {"TextAlignment", E}, {"TextColor", C}, {"Text", S}, {"Bold", B}, {"Italic", B},
    {"FontName", S}, {"Underline", B}, {"FontSize", ValueKind::Single},
    {"FontUnit", ValueKind::Enum8}, {"DataSource", S}, {"DataField", S}, {"MacButtonStyle", E},
    {"Cancel", B}, {"Caption", S}, {"Default", B}, {"HasBorder", B}, {"Format", S}, {"Password", B},
    {"AllowFocusRing", B}, {"Hint", S}, {"AllowTabs", B}, {"AllowSpellChecking", B},
    {"MaximumCharactersAllowed", I}, {"ValidationMask", S}, {"ReadOnly", B}, {"AllowFocus", B},
    {"DoubleBuffer", B},
};
// clang-format on

// A stored property that also notes in the target's `applied` that it was set.
fw::PropertyInfo Logged(std::string name, ValueKind kind) {
    fw::PropertyInfo info = fw::DeclareStoredProperty(name, kind);
    info.set = [store = info.set, name](fw::Object& o, const fw::PropertyValue& v) {
        static_cast<LayoutTarget&>(o).applied.push_back(name);
        store(o, v);
    };
    return info;
}

fw::ClassInfo MakeClass(std::string name, const fw::ClassInfo& base,
                        std::span<const Declared> declared) {
    fw::ClassInfo info;
    info.fullName = std::move(name);
    info.base = &base;
    for (const auto& [property, kind] : declared) {
        info.properties.push_back(Logged(property, kind));
    }
    return info;
}

}  // namespace

const fw::ClassInfo& LayoutTarget::BaseLookup() {
    static const fw::ClassInfo info =
        MakeClass("LayoutTargetBase", fw::ObjectClass(), kControlProperties);
    return info;
}

const fw::ClassInfo& LayoutTarget::Lookup() {
    static const fw::ClassInfo info = MakeClass("LayoutTarget", BaseLookup(), kOtherProperties);
    return info;
}

fw::PropertyValue LayoutTarget::Get(std::string_view name) const {
    const fw::PropertyInfo* property = Class().FindProperty(name);
    if (property == nullptr) {
        throw std::out_of_range("LayoutTarget declares no " + std::string(name));
    }
    return property->get(*this);
}

}  // namespace layout_test
