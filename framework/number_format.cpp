#include "framework/text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace fw {
namespace {

// One character of a pattern, after escapes are resolved.
struct Token {
    enum Kind { kOptionalDigit, kRequiredDigit, kPoint, kComma, kLiteral } kind;
    char character;

    bool IsPlaceholder() const { return kind == kOptionalDigit || kind == kRequiredDigit; }
};

struct Pattern {
    std::string prefix;
    std::vector<Token> integer;   // placeholders and literals before the point
    std::vector<Token> fraction;  // placeholders and literals after it
    bool grouping = false;
    std::string suffix;
};

std::vector<Token> Tokenize(std::string_view text) {
    std::vector<Token> tokens;
    bool pointSeen = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' && i + 1 < text.size()) {
            tokens.push_back({Token::kLiteral, text[++i]});
        } else if (c == '#') {
            tokens.push_back({Token::kOptionalDigit, c});
        } else if (c == '0') {
            tokens.push_back({Token::kRequiredDigit, c});
        } else if (c == '.' && !pointSeen) {
            pointSeen = true;
            tokens.push_back({Token::kPoint, c});
        } else if (c == ',') {
            tokens.push_back({Token::kComma, c});
        } else {
            tokens.push_back({Token::kLiteral, c});
        }
    }
    return tokens;
}

Pattern Parse(std::string_view text) {
    const std::vector<Token> tokens = Tokenize(text);
    const auto inNumber = [](const Token& t) {
        return t.IsPlaceholder() || t.kind == Token::kPoint;
    };
    const auto first = std::find_if(tokens.begin(), tokens.end(), inNumber);
    const auto last = std::find_if(tokens.rbegin(), tokens.rend(), inNumber).base();
    Pattern pattern;
    for (auto t = tokens.begin(); t != first; ++t) {
        pattern.prefix += t->character;
    }
    bool afterPoint = false;
    for (auto t = first; t < last; ++t) {
        if (t->kind == Token::kPoint) {
            afterPoint = true;
        } else if (t->kind == Token::kComma && !afterPoint) {
            pattern.grouping = true;
        } else {
            (afterPoint ? pattern.fraction : pattern.integer).push_back(*t);
        }
    }
    for (auto t = std::max(first, last); t != tokens.end(); ++t) {
        pattern.suffix += t->character;
    }
    // The integer digits always show, so a pattern without integer placeholders gets one.
    if (std::none_of(pattern.integer.begin(), pattern.integer.end(),
                     [](const Token& t) { return t.IsPlaceholder(); })) {
        pattern.integer.push_back({Token::kOptionalDigit, '#'});
    }
    return pattern;
}

// Enough fraction digits for the exact value of any double, down to the smallest subnormal.
constexpr int kExactDecimals = 1074;

// The magnitude rounded to the given number of decimals, ties away from zero: the integer digits
// without leading zeros (empty for zero) and exactly `decimals` fraction digits.
std::pair<std::string, std::string> RoundExactly(double magnitude, std::size_t decimals) {
    std::array<char, 1500> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, kExactDecimals);
    const std::string_view exact(buffer.data(), result.ptr - buffer.data());
    const std::size_t point = exact.find('.');
    std::string integer(exact.substr(0, point));
    std::string fraction(exact.substr(point + 1));
    // With every digit of the exact value at hand, "at least half" is just "next digit >= 5".
    bool carry = fraction.size() > decimals && fraction[decimals] >= '5';
    fraction.resize(decimals, '0');
    for (std::string* part : {&fraction, &integer}) {
        for (auto digit = part->rbegin(); carry && digit != part->rend(); ++digit) {
            carry = *digit == '9';
            *digit = carry ? '0' : static_cast<char>(*digit + 1);
        }
    }
    if (carry) {
        integer.insert(integer.begin(), '1');
    }
    integer.erase(0, integer.find_first_not_of('0'));
    return {integer, fraction};
}

struct Piece {
    enum Kind { kDigits, kPoint, kLiteral } kind;
    std::string text;
    bool shown;
};

std::vector<Piece> FractionPieces(const Pattern& pattern, const std::string& digits,
                                  const NumberSeparators& separators) {
    // Trailing zeros of optional places are dropped; the last required or nonzero place stays.
    std::size_t kept = 0;
    std::size_t place = 0;
    for (const Token& t : pattern.fraction) {
        if (t.IsPlaceholder()) {
            ++place;
            if (t.kind == Token::kRequiredDigit || digits[place - 1] != '0') {
                kept = place;
            }
        }
    }
    std::vector<Piece> pieces{{Piece::kPoint, separators.decimal, kept > 0}};
    place = 0;
    for (const Token& t : pattern.fraction) {
        if (t.IsPlaceholder()) {
            ++place;
            pieces.push_back({Piece::kDigits, std::string(1, digits[place - 1]), place <= kept});
        } else {
            pieces.push_back({Piece::kLiteral, std::string(1, t.character), false});
        }
    }
    return pieces;
}

std::vector<Piece> IntegerPieces(const Pattern& pattern, std::string digits, bool anyFraction,
                                 const NumberSeparators& separators) {
    std::size_t places = 0;
    std::size_t required = 0;
    for (const Token& t : pattern.integer) {
        if (t.IsPlaceholder()) {
            ++places;
            if (t.kind == Token::kRequiredDigit && required == 0) {
                required = 1;
            } else if (required > 0) {
                ++required;
            }
        }
    }
    std::size_t count = std::max(digits.size(), required);
    if (count == 0 && !anyFraction) {
        count = 1;
    }
    digits.insert(0, count - digits.size(), '0');

    // Placeholders take one digit each from the right; the leftmost takes all that are left.
    std::vector<Piece> pieces;
    std::size_t remaining = count;
    for (auto t = pattern.integer.rbegin(); t != pattern.integer.rend(); ++t) {
        if (!t->IsPlaceholder()) {
            pieces.push_back({Piece::kLiteral, std::string(1, t->character), false});
            continue;
        }
        const std::size_t take = --places == 0 ? remaining : std::min<std::size_t>(remaining, 1);
        std::string text;
        for (std::size_t d = remaining - take; d < remaining; ++d) {
            text += digits[d];
            const std::size_t power = count - 1 - d;
            if (pattern.grouping && power > 0 && power % 3 == 0) {
                text += separators.group;
            }
        }
        remaining -= take;
        pieces.push_back({Piece::kDigits, text, !text.empty()});
    }
    std::reverse(pieces.begin(), pieces.end());
    return pieces;
}

}  // namespace

std::string Format(double value, std::string_view patternText, const NumberSeparators& separators) {
    const Pattern pattern = Parse(patternText);
    if (std::isnan(value)) {
        return pattern.prefix + "NaN" + pattern.suffix;
    }
    const std::string sign = std::signbit(value) ? "-" : "";
    if (std::isinf(value)) {
        return sign + pattern.prefix + "\u221E" + pattern.suffix;
    }
    const std::size_t decimals = std::count_if(pattern.fraction.begin(), pattern.fraction.end(),
                                               [](const Token& t) { return t.IsPlaceholder(); });
    const auto [integer, fraction] = RoundExactly(std::fabs(value), decimals);

    std::vector<Piece> pieces = FractionPieces(pattern, fraction, separators);
    const std::vector<Piece> integerPieces =
        IntegerPieces(pattern, integer, pieces.front().shown, separators);
    pieces.insert(pieces.begin(), integerPieces.begin(), integerPieces.end());

    // A literal inside the number shows only between the first and the last shown digit.
    const auto shownDigits = [](const Piece& p) { return p.kind == Piece::kDigits && p.shown; };
    const auto firstDigit = std::find_if(pieces.begin(), pieces.end(), shownDigits);
    const auto lastDigit = std::find_if(pieces.rbegin(), pieces.rend(), shownDigits).base();
    std::string number;
    for (auto p = pieces.begin(); p != pieces.end(); ++p) {
        if (p->shown || (p->kind == Piece::kLiteral && p > firstDigit && p < lastDigit)) {
            number += p->text;
        }
    }
    const bool zero = integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
    return (zero ? "" : sign) + pattern.prefix + number + pattern.suffix;
}

}  // namespace fw
