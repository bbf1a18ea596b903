#include "framework/text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <string_view>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr const char* kMoney = "\\$###,#0.00";

template <typename Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// ---------------------------------------------------------------------------------------------
// Val and IsNumeric: one table, since the window relies on them agreeing about what is a number.

struct NumberRow {
    const char* name;
    std::string_view text;
    bool numeric;
    double value;
};

// Failure messages name the row instead of dumping its bytes.
void PrintTo(const NumberRow& row, std::ostream* out) {
    *out << row.name;
}

class NumberTest : public testing::TestWithParam<NumberRow> {};

TEST_P(NumberTest, ReadsWholeTextOrNothing) {
    const NumberRow& row = GetParam();
    EXPECT_EQ(fw::IsNumeric(row.text), row.numeric);
    EXPECT_EQ(fw::Val(row.text), row.value);
}

const std::string kTinyWithPositiveExponent = "0." + std::string(400, '0') + "1e5";
const std::string kHugeWithNegativeExponent = "1" + std::string(400, '0') + "e-10";

INSTANTIATE_TEST_SUITE_P(
    Text, NumberTest,
    testing::Values(
        NumberRow{"Empty", "", false, 0}, NumberRow{"Blank", " ", false, 0},
        NumberRow{"Letters", "abc", false, 0}, NumberRow{"TrailingLetters", "12abc", false, 0},
        NumberRow{"ThousandsComma", "100,000", false, 0},
        NumberRow{"DecimalComma", "3,75", false, 0},
        NumberRow{"SurroundingBlanks", " 12 ", true, 12},
        NumberRow{"SurroundingTabs", "\t7\t", true, 7}, NumberRow{"PlusSign", "+5", true, 5},
        NumberRow{"NegativeZero", "-0", true, 0}, NumberRow{"Negative", "-3.75", true, -3.75},
        NumberRow{"LeadingPoint", ".5", true, 0.5}, NumberRow{"TrailingPoint", "5.", true, 5},
        NumberRow{"Exponent", "1e3", true, 1000}, NumberRow{"CapitalExponent", "1E-3", true, 0.001},
        NumberRow{"SignedExponent", "+.5e+2", true, 50}, NumberRow{"Underflow", "1e-400", true, 0},
        NumberRow{"NegativeUnderflow", "-1e-400", true, 0},
        NumberRow{"UnderflowDespitePositiveExponent", kTinyWithPositiveExponent, true, 0},
        NumberRow{"Subnormal", "4.9e-324", true, std::numeric_limits<double>::denorm_min()},
        NumberRow{"LargestDouble", "1.7976931348623157e308", true,
                  std::numeric_limits<double>::max()},
        NumberRow{"Overflow", "1e400", false, 0},
        NumberRow{"JustAboveLargestDouble", "1.7976931348623159e308", false, 0},
        NumberRow{"OverflowDespiteNegativeExponent", kHugeWithNegativeExponent, false, 0},
        NumberRow{"ExponentBeyondAnyInteger", "1e99999999999999999999", false, 0},
        NumberRow{"NegativeExponentBeyondAnyInteger", "1e-99999999999999999999", true, 0},
        NumberRow{"NotANumber", "nan", false, 0}, NumberRow{"Infinity", "inf", false, 0},
        NumberRow{"Hexadecimal", "0x10", false, 0}, NumberRow{"PointOnly", ".", false, 0},
        NumberRow{"SignOnly", "-", false, 0}, NumberRow{"ExponentOnly", "e5", false, 0},
        NumberRow{"ExponentWithoutDigits", "1e", false, 0},
        NumberRow{"ExponentSignWithoutDigits", "1e-", false, 0},
        NumberRow{"TwoPoints", "5..", false, 0}, NumberRow{"InnerBlank", "1 2", false, 0},
        NumberRow{"BlankAfterSign", "- 5", false, 0}, NumberRow{"TwoSigns", "+-5", false, 0},
        NumberRow{"EmbeddedNul",
                  std::string_view("1\0"
                                   "2",
                                   3),
                  false, 0},
        NumberRow{"NonBreakingSpace", "\u00A012", false, 0}),
    RowName<NumberRow>);

TEST(NumberSign, NegativeZeroAndUnderflowKeepTheirSign) {
    EXPECT_TRUE(std::signbit(fw::Val("-0")));
    EXPECT_TRUE(std::signbit(fw::Val("-1e-400")));
    EXPECT_FALSE(std::signbit(fw::Val("1e-400")));
}

// ---------------------------------------------------------------------------------------------
// Format

struct FormatRow {
    const char* name;
    double value;
    const char* pattern;
    fw::NumberSeparators separators;
    const char* expected;
};

void PrintTo(const FormatRow& row, std::ostream* out) {
    *out << row.name;
}

const fw::NumberSeparators kEnglish{",", "."};
const fw::NumberSeparators kGerman{".", ","};
const fw::NumberSeparators kFrench{"\u202F", ","};

class FormatTest : public testing::TestWithParam<FormatRow> {};

TEST_P(FormatTest, WritesValueThroughPattern) {
    const FormatRow& row = GetParam();
    EXPECT_EQ(fw::Format(row.value, row.pattern, row.separators), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Money, FormatTest,
    testing::Values(FormatRow{"RoundsDown", 999.994, kMoney, kEnglish, "$999.99"},
                    FormatRow{"CarriesIntoNewGroup", 999.996, kMoney, kEnglish, "$1,000.00"},
                    FormatRow{"Cents", 0.17, kMoney, kEnglish, "$0.17"},
                    FormatRow{"Zero", 0, kMoney, kEnglish, "$0.00"},
                    FormatRow{"NegativeZero", -0.0, kMoney, kEnglish, "$0.00"},
                    FormatRow{"NegativeRoundingToZero", -0.001, kMoney, kEnglish, "$0.00"},
                    FormatRow{"Millions", 1234567.891, kMoney, kEnglish, "$1,234,567.89"},
                    FormatRow{"Billions", 9600714860.21, kMoney, kEnglish, "$9,600,714,860.21"},
                    FormatRow{"Negative", -1234.5, kMoney, kEnglish, "-$1,234.50"},
                    FormatRow{"Infinity", kInfinity, kMoney, kEnglish, "$\u221E"},
                    FormatRow{"NegativeInfinity", -kInfinity, kMoney, kEnglish, "-$\u221E"},
                    FormatRow{"NotANumber", kNaN, kMoney, kEnglish, "$NaN"},
                    FormatRow{"GermanSeparators", 166721.613, kMoney, kGerman, "$166.721,61"},
                    FormatRow{"SeparatorsOfSeveralBytes", 166721.613, kMoney, kFrench,
                              "$166\u202F721,61"}),
    RowName<FormatRow>);

// Ties and near-ties: the exact binary value decides, and an exact tie goes away from zero.
INSTANTIATE_TEST_SUITE_P(
    Rounding, FormatTest,
    testing::Values(FormatRow{"ExactTieUp", 0.125, "0.00", kEnglish, "0.13"},
                    FormatRow{"NegativeExactTie", -0.125, "0.00", kEnglish, "-0.13"},
                    FormatRow{"WholeTie", 2.5, "0", kEnglish, "3"},
                    FormatRow{"NegativeWholeTie", -2.5, "0", kEnglish, "-3"},
                    FormatRow{"JustBelowTieInBinary", 0.015, kMoney, kEnglish, "$0.01"},
                    FormatRow{"ShortestTextLooksLikeTie", 0.145, kMoney, kEnglish, "$0.14"},
                    FormatRow{"ShortestTextLooksLikeTieAboveOne", 1.005, "0.00", kEnglish, "1.00"},
                    FormatRow{"SmallestSubnormal", -5e-324, "0.00", kEnglish, "0.00"},
                    FormatRow{"DigitsBeyondShortestText", 0.1, "0.00000000000000000000", kEnglish,
                              "0.10000000000000000555"},
                    FormatRow{"IntegerBeyondSeventeenDigits", 1e20, "0", kEnglish,
                              "100000000000000000000"}),
    RowName<FormatRow>);

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatTest,
    testing::Values(FormatRow{"GroupedFromLeftComma", 1234.5, "#,##0.00", kEnglish, "1,234.50"},
                    FormatRow{"ThreeDecimals", 3.14159, "0.000", kEnglish, "3.142"},
                    FormatRow{"OptionalDigitOfZero", 0, "#", kEnglish, "0"},
                    FormatRow{"OptionalDigitRounds", 7.6, "#", kEnglish, "8"},
                    FormatRow{"FewerPlaceholdersThanDigits", 123456, "#", kEnglish, "123456"},
                    FormatRow{"RequiredDigitsPad", 42, "00000", kEnglish, "00042"},
                    FormatRow{"OptionalFractionDropped", 5, "#.##", kEnglish, "5"},
                    FormatRow{"NoIntegerDigitForFraction", 0.5, "#.##", kEnglish, ".5"},
                    FormatRow{"OptionalFractionPartlyKept", 12.5, "0.0#", kEnglish, "12.5"},
                    FormatRow{"EscapedPlaceholder", 5, "\\#0", kEnglish, "#5"},
                    FormatRow{"LiteralSuffix", 12.25, "0.0 %", kEnglish, "12.3 %"},
                    FormatRow{"LiteralBetweenDigits", 5551234, "000-0000", kEnglish, "555-1234"},
                    FormatRow{"LiteralWithoutDigitBeforeIt", 4567, "###-####", kEnglish, "4567"},
                    FormatRow{"GermanPattern", 1234.5, "#,##0.00", kGerman, "1.234,50"}),
    RowName<FormatRow>);

// ---------------------------------------------------------------------------------------------
// Chr

struct ChrRow {
    const char* name;
    int code;
    std::string expected;
};

void PrintTo(const ChrRow& row, std::ostream* out) {
    *out << row.name;
}

class ChrTest : public testing::TestWithParam<ChrRow> {};

TEST_P(ChrTest, EncodesCodePointAsUtf8) {
    EXPECT_EQ(fw::Chr(GetParam().code), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ChrTest,
    testing::Values(ChrRow{"CarriageReturn", 13, "\r"}, ChrRow{"Nul", 0, std::string(1, '\0')},
                    ChrRow{"Letter", 65, "A"}, ChrRow{"LastAscii", 0x7F, "\x7F"},
                    ChrRow{"FirstTwoByte", 0x80, "\u0080"}, ChrRow{"Accented", 0xE9, "\u00E9"},
                    ChrRow{"LastTwoByte", 0x7FF, "\u07FF"},
                    ChrRow{"FirstThreeByte", 0x800, "\u0800"}, ChrRow{"Infinity", 0x221E, "\u221E"},
                    ChrRow{"LastThreeByte", 0xFFFF, "\uFFFF"},
                    ChrRow{"FirstFourByte", 0x10000, "\U00010000"},
                    ChrRow{"Emoji", 0x1F600, "\U0001F600"},
                    ChrRow{"LastCodePoint", 0x10FFFF, "\U0010FFFF"}, ChrRow{"Negative", -1, ""},
                    ChrRow{"Surrogate", 0xD800, ""}, ChrRow{"BeyondUnicode", 0x110000, ""}),
    RowName<ChrRow>);

}  // namespace
