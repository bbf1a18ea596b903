#include "framework/layout_string.h"

#include <algorithm>
#include <bit>
#include <limits>
#include <stdexcept>

#include "framework/exceptions.h"
#include "framework/object.h"

namespace fw {

namespace {

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

const char* KindName(ValueKind kind) {
    switch (kind) {
        case ValueKind::Boolean:
            return "Boolean";
        case ValueKind::Enum8:
            return "Enum8";
        case ValueKind::Integer:
            return "Integer";
        case ValueKind::Enum64:
            return "Enum64";
        case ValueKind::Single:
            return "Single";
        case ValueKind::Color:
            return "Color";
        case ValueKind::String:
            break;
    }
    return "String";
}

// ---- Writing ------------------------------------------------------------------------------------

void AppendLittleEndian(std::string& out, std::uint64_t value, int width) {
    for (int i = 0; i < width; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

template <class T>
const T& ValueOf(const LayoutRecord& record) {
    if (const T* value = std::get_if<T>(&record.value)) {
        return *value;
    }
    throw std::invalid_argument("Layout record \"" + record.name + "\" holds no " +
                                KindName(record.kind) + " value");
}

void AppendValue(std::string& out, const LayoutRecord& r) {
    switch (r.kind) {
        case ValueKind::Boolean:
            out += ValueOf<bool>(r) ? '\x01' : '\x00';
            return;
        case ValueKind::Enum8: {
            std::int64_t v = ValueOf<std::int64_t>(r);
            if (v < 0 || v > 0xFF) {
                throw std::invalid_argument("Layout record \"" + r.name + "\" holds " +
                                            std::to_string(v) + ", outside an Enum8");
            }
            out += static_cast<char>(v);
            return;
        }
        case ValueKind::Integer:
        case ValueKind::Enum64:
            AppendLittleEndian(out, static_cast<std::uint64_t>(ValueOf<std::int64_t>(r)), 8);
            return;
        case ValueKind::Single:
            AppendLittleEndian(out, std::bit_cast<std::uint32_t>(ValueOf<float>(r)), 4);
            return;
        case ValueKind::Color:
            AppendLittleEndian(out, ValueOf<Color>(r).value, 4);
            return;
        case ValueKind::String: {
            const std::string& text = ValueOf<std::string>(r);
            if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
                throw std::invalid_argument("Layout record \"" + r.name + "\" is too long");
            }
            AppendLittleEndian(out, text.size(), 4);
            out += text;
            return;
        }
    }
}

// ---- Reading ------------------------------------------------------------------------------------

// Shows bytes of a damaged layout in a message: printable ASCII as is, the rest escaped, and never
// more than a short prefix.
std::string Quote(std::string_view bytes) {
    constexpr std::size_t kShown = 40;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (std::size_t i = 0; i < bytes.size() && i < kShown; ++i) {
        auto c = static_cast<unsigned char>(bytes[i]);
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
    }
    out += bytes.size() > kShown ? "\"..." : "\"";
    return out;
}

struct ParsedRecord {
    std::string_view name;
    const PropertyInfo* property;
    PropertyValue value;
};

class Parser {
  public:
    Parser(std::string_view layout, const ClassInfo& cls) : bytes_(layout), cls_(cls) {}

    std::vector<ParsedRecord> ReadAll() {
        std::vector<ParsedRecord> records;
        while (pos_ < bytes_.size()) {
            records.push_back(ReadRecord());
        }
        return records;
    }

  private:
    ParsedRecord ReadRecord() {
        const std::size_t start = pos_;
        const std::size_t blank = bytes_.find(' ', start);
        if (blank == start) {
            Fail("the record at byte " + std::to_string(start) + " has an empty property name");
        }
        if (blank == std::string_view::npos) {
            Fail("the property name " + Quote(bytes_.substr(start)) + " at byte " +
                 std::to_string(start) + " has no blank after it");
        }
        const std::string_view name = bytes_.substr(start, blank - start);
        const PropertyInfo* property = cls_.FindProperty(name);
        if (property == nullptr) {
            Fail(cls_.fullName + " declares no property " + Quote(name) + " (record at byte " +
                 std::to_string(start) + ")");
        }
        if (!property->set) {
            Fail("the property \"" + property->name + "\" at byte " + std::to_string(start) +
                 " cannot be set");
        }
        pos_ = blank + 1;
        return {name, property, ReadValue(name, property->kind)};
    }

    PropertyValue ReadValue(std::string_view name, ValueKind kind) {
        switch (kind) {
            case ValueKind::Boolean: {
                const std::uint64_t byte = Take(name, 1);
                if (byte > 1) {
                    Fail("the value of property " + Quote(name) + " at byte " +
                         std::to_string(pos_ - 1) + " is " + std::to_string(byte) +
                         ", not a Boolean 0 or 1");
                }
                return byte == 1;
            }
            case ValueKind::Enum8:
                return static_cast<std::int64_t>(Take(name, 1));
            case ValueKind::Integer:
            case ValueKind::Enum64:
                return static_cast<std::int64_t>(Take(name, 8));
            case ValueKind::Single:
                return std::bit_cast<float>(static_cast<std::uint32_t>(Take(name, 4)));
            case ValueKind::Color:
                return Color{static_cast<std::uint32_t>(Take(name, 4))};
            case ValueKind::String:
                break;
        }
        const std::uint64_t count = Take(name, 4);
        CheckRoom(name, count);
        std::string text(bytes_.substr(pos_, count));
        pos_ += count;
        return text;
    }

    // Reads a little-endian unsigned number of `width` bytes at the current position.
    std::uint64_t Take(std::string_view name, std::size_t width) {
        CheckRoom(name, width);
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < width; ++i) {
            value |= std::uint64_t{static_cast<unsigned char>(bytes_[pos_ + i])} << (8 * i);
        }
        pos_ += width;
        return value;
    }

    void CheckRoom(std::string_view name, std::uint64_t width) const {
        const std::size_t left = bytes_.size() - pos_;
        if (width > left) {
            Fail("the value of property " + Quote(name) + " at byte " + std::to_string(pos_) +
                 " is cut short: " + std::to_string(width) + " bytes needed, " +
                 std::to_string(left) + " left");
        }
    }

    [[noreturn]] void Fail(const std::string& what) const {
        throw RuntimeException("Designed layout of " + cls_.fullName + ": " + what);
    }

    std::string_view bytes_;
    const ClassInfo& cls_;
    std::size_t pos_ = 0;
};

}  // namespace

std::string WriteLayout(const std::vector<LayoutRecord>& records) {
    std::string out;
    for (const LayoutRecord& r : records) {
        if (r.name.empty() || !std::all_of(r.name.begin(), r.name.end(), IsAsciiLetter)) {
            throw std::invalid_argument("Layout record name \"" + r.name +
                                        "\" is not made of ASCII letters");
        }
        out += r.name;
        out += ' ';
        AppendValue(out, r);
    }
    return out;
}

std::vector<LayoutRecord> ReadLayout(std::string_view layout, const ClassInfo& cls) {
    std::vector<LayoutRecord> records;
    for (ParsedRecord& r : Parser(layout, cls).ReadAll()) {
        records.push_back({std::string(r.name), r.property->kind, std::move(r.value)});
    }
    return records;
}

void SetProperties(Object& target, std::string_view layout) {
    for (const ParsedRecord& r : Parser(layout, target.Class()).ReadAll()) {
        r.property->set(target, r.value);
    }
}

}  // namespace fw
