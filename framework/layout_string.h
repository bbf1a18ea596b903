#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "framework/class_info.h"

namespace fw {

class Object;

// One property record of a designed layout: the property name as written, the kind its value is
// stored in, and the value.
struct LayoutRecord {
    std::string name;
    ValueKind kind;
    PropertyValue value;

    friend bool operator==(const LayoutRecord&, const LayoutRecord&) = default;
};

// What a window needs to build one of its controls: the name it registers the control under, the
// control's class and its designed layout.
struct ControlDesign {
    std::string_view name;
    std::string_view className;
    std::string layout;
};

// Record makers, so that a layout table reads as a list of Int("Width", 638), Bool("Visible",
// true).
namespace layout {

inline LayoutRecord Bool(std::string name, bool value) {
    return {std::move(name), ValueKind::Boolean, value};
}
inline LayoutRecord Enum8(std::string name, std::uint8_t value) {
    return {std::move(name), ValueKind::Enum8, std::int64_t{value}};
}
inline LayoutRecord Int(std::string name, std::int64_t value) {
    return {std::move(name), ValueKind::Integer, value};
}
inline LayoutRecord Enum64(std::string name, std::int64_t value) {
    return {std::move(name), ValueKind::Enum64, value};
}
inline LayoutRecord Single(std::string name, float value) {
    return {std::move(name), ValueKind::Single, value};
}
inline LayoutRecord Rgb(std::string name, std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                        std::uint8_t transparency = 0) {
    return {std::move(name), ValueKind::Color, Color::FromRgb(red, green, blue, transparency)};
}
inline LayoutRecord Rgb(std::string name, Color value) {
    return {std::move(name), ValueKind::Color, value};
}
inline LayoutRecord Str(std::string name, std::string_view value) {
    return {std::move(name), ValueKind::String, std::string(value)};
}

}  // namespace layout

// The bytes of a designed layout: for each record its name, one blank and its value, little-endian,
// in the width of its kind; a String is a 32-bit byte count and its UTF-8 bytes. Records follow
// each other with nothing between them and nothing at the end. Throws std::invalid_argument for a
// record that cannot be written: a name that is not all ASCII letters, a value of another kind than
// the record's, an Enum8 outside 0..255 or a text longer than a 32-bit count.
std::string WriteLayout(const std::vector<LayoutRecord>& records);

// Reads a designed layout against a class: each name is looked up, without regard to case, among
// the properties of the class and its bases, and the value is read in that property's kind. The
// records come back with their names as written and the declared kinds.
// A malformed layout (empty name, name without its blank, a name the class does not declare, a
// value cut short, a Boolean byte other than 0 or 1) raises RuntimeException naming the property
// and the byte offset. No byte past the end of `layout` is ever read.
std::vector<LayoutRecord> ReadLayout(std::string_view layout, const ClassInfo& cls);

// Applies a designed layout to `target`: sets each property through its setter, in record order.
// The whole layout is read before any property is set, so a malformed one changes nothing; an
// exception from a setter passes to the caller with the earlier records applied.
void SetProperties(Object& target, std::string_view layout);

}  // namespace fw
