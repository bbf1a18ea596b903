// A designed layout is read from bytes that sit in the program, but the reader promises to stand
// any bytes: it either gives records or raises RuntimeException, and never reads past the end.
// The input's first byte picks the class, the rest is the layout.

#include <string>
#include <variant>
#include <vector>

#include "framework/exceptions.h"
#include "framework/layout_string.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/layout_classes.h"

namespace {

bool HoldsKind(const fw::PropertyValue& value, fw::ValueKind kind) {
    switch (kind) {
        case fw::ValueKind::Boolean:
            return std::holds_alternative<bool>(value);
        case fw::ValueKind::Enum8:
            return std::holds_alternative<std::int64_t>(value) &&
                   std::get<std::int64_t>(value) >= 0 && std::get<std::int64_t>(value) <= 255;
        case fw::ValueKind::Integer:
        case fw::ValueKind::Enum64:
            return std::holds_alternative<std::int64_t>(value);
        case fw::ValueKind::Single:
            return std::holds_alternative<float>(value);
        case fw::ValueKind::Color:
            return std::holds_alternative<fw::Color>(value);
        case fw::ValueKind::String:
            break;
    }
    return std::holds_alternative<std::string>(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const auto& classes = fuzz::LayoutClasses();
    const fw::ClassInfo& cls = *classes[data[0] % classes.size()];
    const std::string_view layout = fuzz::AsText(data + 1, size - 1);

    std::vector<fw::LayoutRecord> records;
    try {
        records = fw::ReadLayout(layout, cls);
    } catch (const fw::RuntimeException& e) {
        fuzz::Require(std::string_view(e.what()).find(cls.fullName) != std::string_view::npos,
                      "a layout error names the class");
        return 0;
    }
    for (const fw::LayoutRecord& r : records) {
        const fw::PropertyInfo* property = cls.FindProperty(r.name);
        fuzz::Require(property != nullptr, "every record names a declared property");
        fuzz::Require(property->kind == r.kind, "every record has its property's kind");
        fuzz::Require(HoldsKind(r.value, r.kind), "every value is of its record's kind");
    }
    // Reading loses nothing: writing the records back gives the very bytes read.
    fuzz::Require(fw::WriteLayout(records) == layout, "WriteLayout(ReadLayout(b)) == b");
    return 0;
}
