// Number reading and writing, and characters by code: the text services the program's windows use.
// Everything here except Format(value, pattern) and UserLocaleSeparators() is free of any GUI
// library and of the process locale, so it behaves the same on every machine.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fw {

// A number, as Val and IsNumeric read it: optional blanks (space or tab), an optional sign, digits
// with an optional fraction ("5", "5.", ".5", "5.25"), an optional exponent ("1e3", "1E-3"),
// optional blanks. The decimal separator is always '.', whatever the locale, and there is no
// thousands separator. Hexadecimal, "inf" and "nan" are not numbers.
//
// Val gives the nearest double of such a text. It gives 0 for any other text, so "12abc" and
// "100,000" are 0 rather than 12 and 100, and also for a number too large for a double. A number
// too small for a double underflows to zero (keeping its sign) like any other rounding; it is still
// a number. Never throws, whatever bytes it is given.
double Val(std::string_view text);

// True exactly when the text is such a number and its value is a finite double.
bool IsNumeric(std::string_view text);

// The texts that Format puts between groups of three integer digits and before the fraction.
struct NumberSeparators {
    std::string group = ",";
    std::string decimal = ".";
};

// Writes value as the pattern asks:
//   '#'  an optional digit;  '0'  a required digit;  '.'  the decimal point (the first one only);
//   ','  among the integer placeholders: group the integer digits in thousands;
//   '\'  the next character is literal;  anything else is literal.
// The number runs from the first placeholder or point to the last one (or follows all the
// literals when there is none); literals before it are written before it, those after it after it.
// The integer part shows all its digits however few placeholders there are, and at least as many as
// there are placeholders from the first '0' on. Fraction digits of trailing '#' placeholders that
// are zero are left out, and so is the point when no fraction digit is left. A literal inside the
// number shows only between shown digits. If no digit would show at all, "0" stands for the integer
// part. The value is rounded to the pattern's decimals from its exact binary value, exact ties away
// from zero. A negative value puts '-' in front of the whole text ("-$1.50"), unless it rounds to
// zero. Infinity and NaN show "∞" and "NaN" in place of the digits, the sign rule applying to -∞.
std::string Format(double value, std::string_view pattern, const NumberSeparators& separators);

// The separators of the user's locale.
NumberSeparators UserLocaleSeparators();

// Format with the separators of the user's locale.
std::string Format(double value, std::string_view pattern);

// The text as a one-line field holds it: line breaks at its end are dropped and every other one
// becomes a blank, so that a pasted spreadsheet cell or terminal line ("250000\n") reads as the
// number the field shows. CR LF is one break. A cursor (a byte offset into the text) is carried
// along to the same place in the result.
std::string SingleLine(std::string_view text, std::size_t* cursor = nullptr);

// The UTF-8 text of one Unicode code point (Chr(13) is "\r"); empty for a code that is not a
// Unicode scalar value (negative, a surrogate, or above U+10FFFF).
std::string Chr(int code);

}  // namespace fw
