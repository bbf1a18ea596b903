#include "calculator/calculation.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/text.h"

namespace {

struct LoanRow {
    const char* name;
    double amount;
    double months;
    double yearlyRate;  // per cent, as typed
    const char* payment;
    const char* interest;
    const char* total;
};

std::string Money(double value) {
    return fw::Format(value, "\\$###,#0.00", {",", "."});
}

class LoanTest : public testing::TestWithParam<LoanRow> {};

TEST_P(LoanTest, ShowsExactFiguresToTheCent) {
    const LoanRow& row = GetParam();
    const LoanPayment loan = ComputeLoanPayment(row.amount, row.months, row.yearlyRate / 1200.0);
    EXPECT_EQ(Money(loan.payment), row.payment);
    EXPECT_EQ(Money(loan.interest), row.interest);
    EXPECT_EQ(Money(loan.total), row.total);
}

// Expected texts are the exact values (rational arithmetic, or 60-digit decimals for a fractional
// term) printed by tests/tools/loan_reference.py; the margin says how far each row's closest
// figure lies from a rounding boundary.
INSTANTIATE_TEST_SUITE_P(
    Loans, LoanTest,
    testing::Values(
        // clang-format off
        LoanRow{"DefaultInputs", 100000, 360, 3.75, "$463.12", "$66,721.61", "$166,721.61"},  // margin 0.0592 cent
        LoanRow{"OneYearAtTwelvePercent", 1000, 12, 12, "$88.85", "$66.19", "$1,066.19"},  // margin 0.0464 cent
        LoanRow{"FifteenYears", 250000, 180, 6.5, "$2,177.77", "$141,998.31", "$391,998.31"},  // margin 0.0616 cent
        LoanRow{"SingleMonth", 1000, 1, 12, "$1,010.00", "$10.00", "$1,010.00"},  // margin 0.5 cent
        LoanRow{"TinyRate", 100000, 360, 1e-12, "$277.78", "$0.00", "$100,000.00"},  // margin 0.278 cent
        LoanRow{"RateBelowDoubleEpsilon", 100000, 360, 1e-18, "$277.78", "$0.00", "$100,000.00"},  // margin 0.278 cent
        LoanRow{"FractionalTerm", 100000, 360.5, 3.75, "$462.77", "$66,827.83", "$166,827.83"},  // margin 0.291 cent
        LoanRow{"ThousandYears", 100000, 12000, 12, "$1,000.00", "$11,900,000.00", "$12,000,000.00"},  // margin 0.5 cent
        LoanRow{"LargeLoan", 5000000000, 480, 7.25, "$31,983,596.08", "$10,352,126,119.64", "$15,352,126,119.64"},  // margin 0.242 cent
        LoanRow{"SmallLoan", 0.5, 3, 0.1, "$0.17", "$0.00", "$0.50"}  // margin 0.169 cent
        // clang-format on
        ),
    [](const testing::TestParamInfo<LoanRow>& info) { return std::string(info.param.name); });

}  // namespace
