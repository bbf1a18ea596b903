// Format writes the window's results; its pattern and its value may be anything a program passes.
// The input is the value's eight bytes (little-endian), one byte that picks the separators, and
// the pattern.

#include <array>
#include <bit>
#include <cmath>
#include <string>

#include "framework/text.h"
#include "fuzz/fuzz_target.h"

namespace {

// Separators of real locales, among them ones of several bytes, and an empty one.
const std::array<fw::NumberSeparators, 5> kSeparators = {{
    {",", "."},
    {".", ","},
    {"\u202F", ","},
    {"\u2019", "."},
    {"", "\u066B"},
}};

bool HasDigitOrSymbol(const std::string& text) {
    return text.find_first_of("0123456789") != std::string::npos ||
           text.find("NaN") != std::string::npos || text.find("\u221E") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint64_t bits = 0;
    for (std::size_t i = 0; i < 8 && i < size; ++i) {
        bits |= std::uint64_t{data[i]} << (8 * i);
    }
    const double value = std::bit_cast<double>(bits);
    const fw::NumberSeparators& separators =
        kSeparators[size > 8 ? data[8] % kSeparators.size() : 0];
    const std::string_view pattern = size > 9 ? fuzz::AsText(data + 9, size - 9) : "";

    const std::string text = fw::Format(value, pattern, separators);

    fuzz::Require(HasDigitOrSymbol(text), "Format always shows a digit, NaN or infinity");
    if (fuzz::IsValidUtf8(pattern)) {
        fuzz::Require(fuzz::IsValidUtf8(text), "a UTF-8 pattern gives UTF-8 text");
    }
    // The sign goes in front of the whole text, and only the sign differs between v and -v.
    if (!std::isnan(value) && !std::signbit(value)) {
        const std::string negative = fw::Format(-value, pattern, separators);
        fuzz::Require(negative == text || negative == "-" + text,
                      "Format(-v) is Format(v), with '-' in front unless it shows zero");
    }
    return 0;
}
