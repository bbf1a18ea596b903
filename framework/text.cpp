#include "framework/text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace fw {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Far beyond any exponent a double can use, and small enough that adding a digit position can't
// overflow: "1e99999999999999999999" must still count as an overflow, not wrap around.
constexpr std::int64_t kExponentCap = std::int64_t{1} << 40;

std::size_t SkipDigits(std::string_view text, std::size_t i) {
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
    }
    return i;
}

// The value of a text that is wholly a number; nothing when it isn't one or overflows a double.
// The grammar is checked here first because from_chars alone would accept "inf", "nan" and a
// leading number followed by anything, and would refuse a leading '+'.
std::optional<double> ReadNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    const std::size_t integerDigits = SkipDigits(text, 0);
    std::size_t i = integerDigits;
    if (i < text.size() && text[i] == '.') {
        i = SkipDigits(text, i + 1);
    }
    const std::string_view mantissa = text.substr(0, i);
    if (mantissa.empty() || mantissa == ".") {
        return std::nullopt;
    }
    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        const bool exponentNegative = i < text.size() && text[i] == '-';
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        if (SkipDigits(text, i) == i) {
            return std::nullopt;
        }
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            exponent = std::min(exponent * 10 + (text[i] - '0'), kExponentCap);
        }
        exponent = exponentNegative ? -exponent : exponent;
    }
    if (i != text.size()) {
        return std::nullopt;
    }

    double magnitude = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error == std::errc::result_out_of_range) {
        // from_chars reports overflow and underflow alike. Only a value of at least 1 can have
        // overflowed: one whose first significant digit, moved by the exponent, is at or left of
        // the units. A smaller one has underflowed, which is a rounding to zero like any other.
        const auto first = static_cast<std::int64_t>(mantissa.find_first_not_of("0."));
        const auto units = static_cast<std::int64_t>(integerDigits);
        const std::int64_t power = first < units ? units - 1 - first : units - first;
        if (power + exponent >= 0) {
            return std::nullopt;
        }
        magnitude = 0.0;
    } else if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace

double Val(std::string_view text) {
    return ReadNumber(text).value_or(0.0);
}

bool IsNumeric(std::string_view text) {
    return ReadNumber(text).has_value();
}

std::string SingleLine(std::string_view text, std::size_t* cursor) {
    auto isBreak = [](char c) { return c == '\r' || c == '\n'; };
    std::size_t end = text.size();
    while (end > 0 && isBreak(text[end - 1])) {
        --end;
    }
    std::string line;
    line.reserve(end);
    std::size_t movedCursor = 0;
    for (std::size_t i = 0; i < end; ++i) {
        if (cursor != nullptr && i == *cursor) {
            movedCursor = line.size();
        }
        if (!isBreak(text[i])) {
            line += text[i];
        } else if (text[i] == '\n' || text[i + 1] != '\n') {
            // One blank for a CR LF pair, at its LF. No break ends the kept part, so i + 1 < end.
            line += ' ';
        }
    }
    if (cursor != nullptr) {
        *cursor = *cursor >= end ? line.size() : movedCursor;
    }
    return line;
}

std::string Chr(int code) {
    if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return {};
    }
    auto c = static_cast<std::uint32_t>(code);
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    // Continuation bytes carry six bits each, lowest bits last; the lead byte marks the length.
    std::string text;
    std::uint32_t leadLimit = 0x40;
    std::uint32_t leadMark = 0x80;
    while (c >= leadLimit) {
        text.insert(text.begin(), static_cast<char>(0x80 | (c & 0x3F)));
        c >>= 6;
        leadLimit >>= 1;
        leadMark = 0x80 | (leadMark >> 1);
    }
    text.insert(text.begin(), static_cast<char>(leadMark | c));
    return text;
}

}  // namespace fw
