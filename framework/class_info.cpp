#include "framework/class_info.h"

#include <algorithm>

#include "framework/object.h"

namespace fw {

namespace {

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

const PropertyInfo* ClassInfo::FindProperty(std::string_view name) const {
    for (const ClassInfo* c = this; c != nullptr; c = c->base) {
        for (const PropertyInfo& p : c->properties) {
            if (EqualsIgnoringCase(p.name, name)) {
                return &p;
            }
        }
    }
    return nullptr;
}

const EventInfo* ClassInfo::FindEvent(std::string_view name) const {
    for (const ClassInfo* c = this; c != nullptr; c = c->base) {
        for (const EventInfo& e : c->events) {
            if (EqualsIgnoringCase(e.name, name)) {
                return &e;
            }
        }
    }
    return nullptr;
}

bool ClassInfo::IsKindOf(const ClassInfo& other) const {
    for (const ClassInfo* c = this; c != nullptr; c = c->base) {
        if (c == &other) {
            return true;
        }
    }
    return false;
}

PropertyValue DefaultValue(ValueKind kind) {
    switch (kind) {
        case ValueKind::Boolean:
            return false;
        case ValueKind::Enum8:
        case ValueKind::Integer:
        case ValueKind::Enum64:
            return std::int64_t{0};
        case ValueKind::Single:
            return 0.0f;
        case ValueKind::Color:
            return Color{};
        case ValueKind::String:
            break;
    }
    return std::string();
}

PropertyInfo DeclareStoredProperty(std::string name, ValueKind kind) {
    std::string key = name;
    return PropertyInfo{std::move(name), kind,
                        [key](Object& o, const PropertyValue& v) { o.Store(key, v); },
                        [key, kind](const Object& o) {
                            const PropertyValue* v = o.StoredValue(key);
                            return v != nullptr ? *v : DefaultValue(kind);
                        }};
}

}  // namespace fw
