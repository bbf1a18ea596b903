// Writes the starting corpus of each fuzz target into the folder given: the program's real designed
// layouts, the texts and patterns the unit tests use, and the bundle's sound. libFuzzer mutates
// from these, so it begins with inputs that reach deep into each reader.
//
// Usage: fuzz_seeds FOLDER   (makes FOLDER/layout, FOLDER/number, FOLDER/format, FOLDER/mp3)

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <string>
#include <vector>

#include "calculator/win_main_design.h"
#include "credits/credits_design.h"
#include "framework/layout_string.h"
#include "fuzz/layout_classes.h"

namespace {

namespace fs = std::filesystem;

void Write(const fs::path& folder, const std::string& name, const std::string& bytes) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

char Selector(std::string_view className) {
    const auto& classes = fuzz::LayoutClasses();
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (classes[i]->fullName == className) {
            return static_cast<char>(i);
        }
    }
    throw std::runtime_error("no fuzzed class is called " + std::string(className));
}

// Every designed layout of the program, against its own class; and for each class one layout that
// sets each property it declares, so that every name is there to mutate from.
void WriteLayouts(const fs::path& folder) {
    Write(folder, "WinMain", Selector("WinMain.WinMain") + WinMainDesign());
    Write(folder, "Credits", Selector("Credits.Credits") + CreditsDesign());
    for (const fw::ControlDesign& c : WinMainControlDesigns()) {
        Write(folder, "WinMain-" + std::string(c.name), Selector(c.className) + c.layout);
    }
    for (const fw::ControlDesign& c : CreditsControlDesigns()) {
        Write(folder, "Credits-" + std::string(c.name), Selector(c.className) + c.layout);
    }
    for (const fw::ClassInfo* cls : fuzz::LayoutClasses()) {
        std::vector<fw::LayoutRecord> records;
        for (const fw::ClassInfo* c = cls; c != nullptr; c = c->base) {
            for (const fw::PropertyInfo& p : c->properties) {
                records.push_back({p.name, p.kind, fw::DefaultValue(p.kind)});
            }
        }
        Write(folder, "every-property-of-" + cls->fullName,
              Selector(cls->fullName) + fw::WriteLayout(records));
    }
}

// What users type into the fields, and the unit tests' edge cases.
void WriteNumbers(const fs::path& folder) {
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"loan", "100000"},
        {"term", "360"},
        {"rate", "6.5"},
        {"dollar-sign", "$100"},
        {"thousands-comma", "100,000"},
        {"decimal-comma", "3,75"},
        {"blanks", " 12 "},
        {"tabs", "\t7\t"},
        {"plus", "+5"},
        {"negative-zero", "-0"},
        {"leading-point", ".5"},
        {"trailing-point", "5."},
        {"signed-exponent", "+.5e+2"},
        {"underflow", "-1e-400"},
        {"tiny-with-positive-exponent", "0." + std::string(400, '0') + "1e5"},
        {"huge-with-negative-exponent", "1" + std::string(400, '0') + "e-10"},
        {"subnormal", "4.9e-324"},
        {"largest", "1.7976931348623157e308"},
        {"just-above-largest", "1.7976931348623159e308"},
        {"exponent-beyond-any-integer", "1e99999999999999999999"},
        {"hexadecimal", "0x10"},
        {"infinity", "inf"},
        {"nan", "nan"},
        {"embedded-nul", std::string("1\0"
                                     "2",
                                     3)},
        {"non-breaking-space", "\u00A012"},
    };
    for (const auto& [name, text] : texts) {
        Write(folder, name, text);
    }
}

std::string FormatInput(double value, std::uint8_t separators, std::string_view pattern) {
    std::string bytes;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) {
        bytes += static_cast<char>((bits >> (8 * i)) & 0xFF);
    }
    bytes += static_cast<char>(separators);
    bytes += pattern;
    return bytes;
}

// The window's money pattern and the unit tests' patterns, with values near their edges.
void WriteFormats(const fs::path& folder) {
    constexpr std::string_view kMoney = "\\$###,#0.00";
    struct Row {
        const char* name;
        double value;
        std::uint8_t separators;
        std::string_view pattern;
    };
    const std::vector<Row> rows = {
        {"money", 1234567.891, 0, kMoney},
        {"money-carry", 999.996, 0, kMoney},
        {"money-negative", -1234.5, 0, kMoney},
        {"money-infinity", std::numeric_limits<double>::infinity(), 0, kMoney},
        {"money-nan", std::numeric_limits<double>::quiet_NaN(), 0, kMoney},
        {"money-german", 166721.613, 1, kMoney},
        {"money-french", 166721.613, 2, kMoney},
        {"tie", 0.125, 0, "0.00"},
        {"subnormal", -5e-324, 0, "0.00"},
        {"many-decimals", 0.1, 0, "0.00000000000000000000"},
        {"large", 1e20, 0, "0"},
        {"largest", std::numeric_limits<double>::max(), 0, "#,##0.00"},
        {"optional-digits", 12.5, 0, "0.0#"},
        {"no-integer-digit", 0.5, 0, "#.##"},
        {"escaped", 5, 0, "\\#0"},
        {"literal-suffix", 12.25, 0, "0.0 %"},
        {"literal-between-digits", 5551234, 0, "000-0000"},
        {"literal-without-digit", 4567, 0, "###-####"},
        {"multibyte-literal", 42.5, 3, "\u20AC #,##0.00 \u00B0"},
        {"empty-pattern", 3.75, 0, ""},
    };
    for (const Row& r : rows) {
        Write(folder, r.name, FormatInput(r.value, r.separators, r.pattern));
    }
}

void WriteSounds(const fs::path& folder) {
    std::ifstream in(fs::path(BRENQUILL_SOURCE_DIR) / "resources" / "cashregister.mp3",
                     std::ios::binary);
    const std::string sound{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (sound.empty()) {
        throw std::runtime_error("the bundle's sound is missing");
    }
    Write(folder, "cashregister", sound);
    Write(folder, "cashregister-first-half", sound.substr(0, sound.size() / 2));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: fuzz_seeds FOLDER\n";
        return 2;
    }
    const fs::path out = argv[1];
    try {
        WriteLayouts(out / "layout");
        WriteNumbers(out / "number");
        WriteFormats(out / "format");
        WriteSounds(out / "mp3");
    } catch (const std::exception& e) {
        std::cerr << "fuzz_seeds: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
