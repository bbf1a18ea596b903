#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

namespace fw {

class Object;

// How a declared property's value is stored in a designed layout and passed to its setter.
enum class ValueKind { Boolean, Enum8, Integer, Enum64, Single, Color, String };

// A colour as red, green, blue and transparency (0 opaque, 255 fully transparent).
struct Color {
    std::uint32_t value = 0;  // bits 24-31 transparency, 16-23 red, 8-15 green, 0-7 blue

    static constexpr Color FromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                   std::uint8_t transparency = 0) {
        return Color{(std::uint32_t{transparency} << 24) | (std::uint32_t{r} << 16) |
                     (std::uint32_t{g} << 8) | b};
    }
    constexpr std::uint8_t Red() const { return (value >> 16) & 0xFF; }
    constexpr std::uint8_t Green() const { return (value >> 8) & 0xFF; }
    constexpr std::uint8_t Blue() const { return value & 0xFF; }
    constexpr std::uint8_t Transparency() const { return (value >> 24) & 0xFF; }
    friend constexpr bool operator==(Color, Color) = default;
};

// Boolean -> bool; Enum8, Integer and Enum64 -> int64; Single -> float; Color; String -> UTF-8.
using PropertyValue = std::variant<bool, std::int64_t, float, Color, std::string>;

struct PropertyInfo {
    std::string name;
    ValueKind kind;
    std::function<void(Object&, const PropertyValue&)> set;
    std::function<PropertyValue(const Object&)> get;
};

using EventHandler = std::function<void(Object&)>;

struct EventInfo {
    std::string name;
    EventHandler handler;
};

// What the runtime knows of a class: its name, its base, the events it handles and the properties
// it declares. Events and properties are searched up through the bases; names compare without case.
struct ClassInfo {
    std::string fullName;
    const ClassInfo* base = nullptr;
    std::vector<EventInfo> events;
    std::vector<PropertyInfo> properties;
    // Makes a new, unconstructed object of the class; empty for classes the framework never makes.
    std::function<std::unique_ptr<Object>()> factory;

    const PropertyInfo* FindProperty(std::string_view name) const;
    const EventInfo* FindEvent(std::string_view name) const;
    bool IsKindOf(const ClassInfo& other) const;
};

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

namespace detail {

template <class V>
PropertyValue ToPropertyValue(const V& v) {
    using T = std::decay_t<V>;
    if constexpr (std::is_same_v<T, bool>) {
        return v;
    } else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) {
        return static_cast<std::int64_t>(v);
    } else if constexpr (std::is_floating_point_v<T>) {
        return static_cast<float>(v);
    } else if constexpr (std::is_same_v<T, Color>) {
        return v;
    } else {
        return std::string(v);
    }
}

template <class V>
V FromPropertyValue(const PropertyValue& value) {
    using T = std::decay_t<V>;
    if constexpr (std::is_same_v<T, bool>) {
        return std::get<bool>(value);
    } else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) {
        return static_cast<T>(std::get<std::int64_t>(value));
    } else if constexpr (std::is_floating_point_v<T>) {
        return static_cast<T>(std::get<float>(value));
    } else if constexpr (std::is_same_v<T, Color>) {
        return std::get<Color>(value);
    } else {
        return T(std::get<std::string>(value));
    }
}

}  // namespace detail

// Declares a property backed by a getter and a setter of class T.
template <class T, class Set, class Get>
PropertyInfo DeclareProperty(std::string name, ValueKind kind, void (T::*setter)(Set),
                             Get (T::*getter)() const) {
    return PropertyInfo{std::move(name), kind,
                        [setter](Object& o, const PropertyValue& v) {
                            (static_cast<T&>(o).*setter)(detail::FromPropertyValue<Set>(v));
                        },
                        [getter](const Object& o) {
                            return detail::ToPropertyValue((static_cast<const T&>(o).*getter)());
                        }};
}

// Declares a property that has no effect of its own: its value is only stored and read back.
PropertyInfo DeclareStoredProperty(std::string name, ValueKind kind);

// The value a fresh object reports for a stored property that was never set.
PropertyValue DefaultValue(ValueKind kind);

}  // namespace fw
