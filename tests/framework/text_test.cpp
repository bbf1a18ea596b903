#include "framework/text.h"

#include <gtest/gtest.h>

#include "tests/support/rows.h"

#include <limits>
#include <string>
#include <string_view>

namespace {

using rows::PrintTo;

constexpr const char* kMoney = "\\$###,#0.00";

// ---- Val and IsNumeric: one table, since the window relies on them agreeing ---------------------

struct NumberRow {
    const char* name;
    std::string_view text;
    bool numeric;
    double value;
};

class NumberTest : public testing::TestWithParam<NumberRow> {};

TEST_P(NumberTest, ReadsWholeTextOrNothing) {
    EXPECT_EQ(fw::IsNumeric(GetParam().text), GetParam().numeric);
    EXPECT_EQ(fw::Val(GetParam().text), GetParam().value);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Text, NumberTest, testing::Values(
    NumberRow{"Empty", "", false, 0},                 NumberRow{"Blank", " ", false, 0},
    NumberRow{"Letters", "abc", false, 0},            NumberRow{"TrailingLetters", "12abc", false, 0},
    NumberRow{"ThousandsComma", "100,000", false, 0}, NumberRow{"SurroundingBlanks", " 12 ", true, 12},
    NumberRow{"PlusSign", "+5", true, 5},             NumberRow{"NegativeZero", "-0", true, 0},
    NumberRow{"LeadingPoint", ".5", true, 0.5},       NumberRow{"TrailingPoint", "5.", true, 5},
    NumberRow{"CapitalExponent", "1E3", true, 1000},  NumberRow{"Underflow", "1e-400", true, 0},
    NumberRow{"Overflow", "1e400", false, 0},         NumberRow{"NotANumber", "nan", false, 0},
    NumberRow{"Infinity", "inf", false, 0},           NumberRow{"Hexadecimal", "0x10", false, 0},
    NumberRow{"ExponentWithoutDigits", "1e", false, 0},
    NumberRow{"InnerBlank", "1 2", false, 0},
    NumberRow{"EveryDigit", "1234567890", true, 1234567890},
    NumberRow{"EmbeddedNul", std::string_view("1\0" "2", 3), false, 0},
    NumberRow{"ExponentBeyondAnyInteger", "1e99999999999999999999", false, 0}),
    RowName<NumberRow>);
// clang-format on

// ---- Format -------------------------------------------------------------------------------------

struct FormatRow {
    const char* name;
    double value;
    const char* expected;
    fw::NumberSeparators separators = {",", "."};
};

class MoneyTest : public testing::TestWithParam<FormatRow> {};

TEST_P(MoneyTest, ShowsDollarsAndCents) {
    EXPECT_EQ(fw::Format(GetParam().value, kMoney, GetParam().separators), GetParam().expected);
}

// The exact binary value decides the rounding, and an exact tie goes away from zero.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, MoneyTest, testing::Values(
    FormatRow{"RoundsDown", 999.994, "$999.99"},
    FormatRow{"CarriesIntoNewGroup", 999.996, "$1,000.00"},
    FormatRow{"Cents", 0.17, "$0.17"},
    FormatRow{"Zero", 0, "$0.00"},
    FormatRow{"NegativeRoundingToZero", -0.001, "$0.00"},
    FormatRow{"Millions", 1234567.891, "$1,234,567.89"},
    FormatRow{"Billions", 9600714860.21, "$9,600,714,860.21"},
    FormatRow{"Negative", -1234.5, "-$1,234.50"},
    FormatRow{"NegativeInfinity", -std::numeric_limits<double>::infinity(), "-$\u221E"},
    FormatRow{"NotANumber", std::numeric_limits<double>::quiet_NaN(), "$NaN"},
    FormatRow{"GermanSeparators", 166721.613, "$166.721,61", {".", ","}},
    FormatRow{"ExactTieUp", 0.125, "$0.13"},
    FormatRow{"NegativeExactTie", -1.125, "-$1.13"},
    FormatRow{"JustBelowTieInBinary", 0.015, "$0.01"},
    FormatRow{"ShortestTextLooksLikeTieAboveOne", 1.005, "$1.00"},
    FormatRow{"SpaceAsThousandsSeparator", 1234567.5, "$1 234 567,50", {" ", ","}}),
    RowName<FormatRow>);
// clang-format on

}  // namespace
