// Loans typed into the calculator and calculated with the button or the Return key: the results it
// shows, the inputs it refuses and the messages it gives, and money in a German locale.
//
// Expected money comes from tests/tools/loan_reference.py (exact rational arithmetic).

#include <QLocale>

#include "tests/program/calculator_driver.h"

namespace {

// What the user types into the three fields.
struct Inputs {
    const char* amount;
    const char* term;
    const char* rate;
};

// ---- Results ------------------------------------------------------------------------------------

using CalculateButtonTest = CalculatorTest;

TEST_F(CalculateButtonTest, DefaultInputsShowTheirResults) {
    ClickCalculate();
    EXPECT_EQ(ShownResults(), DefaultResults());
    EXPECT_EQ(VisibleResultLabels(), 3);
    EXPECT_EQ(services.plays, 1);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(CalculateButtonTest, EverySuccessOverwritesTheResultsAndPlaysAgain) {
    ClickCalculate();
    Fill("1000", "12", "12");
    ClickCalculate();
    EXPECT_EQ(ShownResults(), ResultTexts("$88.85", "$66.19", "$1,066.19"));
    EXPECT_EQ(services.plays, 2);
}

struct LoanRow {
    const char* name;
    Inputs typed;
    const char* payment;
    const char* interest;
    const char* total;
};
void PrintTo(const LoanRow& row, std::ostream* out) {
    *out << row.name;
}

class TypedLoanTest : public CalculatorTest, public ::testing::WithParamInterface<LoanRow> {};

TEST_P(TypedLoanTest, ShowsTheExactResultsToTheCent) {
    const LoanRow& row = GetParam();
    Fill(row.typed.amount, row.typed.term, row.typed.rate);
    ClickCalculate();
    EXPECT_EQ(ShownResults(), ResultTexts(row.payment, row.interest, row.total));
    EXPECT_EQ(VisibleResultLabels(), 3);
    EXPECT_TRUE(services.messages.empty());
}

// Each row: what is typed (amount, months, yearly rate in per cent), then payment, interest, total.
// clang-format off
const LoanRow kLoans[] = {
    {"OneYearAtTwelvePercent", {"1000", "12", "12"}, "$88.85", "$66.19", "$1,066.19"},
    {"FifteenYears", {"250000", "180", "6.5"}, "$2,177.77", "$141,998.31", "$391,998.31"},
    {"SingleMonth", {"1000", "1", "12"}, "$1,010.00", "$10.00", "$1,010.00"},
    // Rates too small for 1 + r to hold them: no infinity, no negative interest.
    {"TinyRate", {"100000", "360", "1e-12"}, "$277.78", "$0.00", "$100,000.00"},
    {"RateBelowDoubleEpsilon", {"100000", "360", "1e-18"}, "$277.78", "$0.00", "$100,000.00"},
    {"SubnormalMonthlyRate", {"100000", "360", "1e-320"}, "$277.78", "$0.00", "$100,000.00"},
    {"FractionalTerm", {"100000", "360.5", "3.75"}, "$462.77", "$66,827.83", "$166,827.83"},
    {"ThousandYears", {"100000", "12000", "12"}, "$1,000.00", "$11,900,000.00", "$12,000,000.00"},
    {"LargeLoan", {"5000000000", "480", "7.25"},
     "$31,983,596.08", "$10,352,126,119.64", "$15,352,126,119.64"},
    {"SmallLoan", {"0.5", "3", "0.1"}, "$0.17", "$0.00", "$0.50"},
    {"BlanksAroundNumbers", {" 100000 ", "360 ", " 3.75"}, "$463.12", "$66,721.61", "$166,721.61"},
    {"ExponentsAndSigns", {"1e5", "+360", "375e-2"}, "$463.12", "$66,721.61", "$166,721.61"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Loans, TypedLoanTest, ::testing::ValuesIn(kLoans), RowName<LoanRow>);

// ---- Refusals -----------------------------------------------------------------------------------

struct RefusalRow {
    const char* name;
    Inputs typed;
};
void PrintTo(const RefusalRow& row, std::ostream* out) {
    *out << row.name;
}

// A refusal that comes before any success: the labels keep their designed, hidden state, except
// that the button's own refusal writes "Invalid Input" into the hidden payment label.
class RefusalFixture : public CalculatorTest, public ::testing::WithParamInterface<RefusalRow> {
  protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        designed_ = ShownResults();
        Fill(GetParam().typed.amount, GetParam().typed.term, GetParam().typed.rate);
    }
    void ExpectNothingElseChanged(const Results& shown) {
        EXPECT_EQ(ShownResults(), shown);
        EXPECT_EQ(VisibleResultLabels(), 0);
        EXPECT_EQ(services.plays, 0);
        EXPECT_EQ(TextOf(Calculator().txt_loanamount()), GetParam().typed.amount);
        EXPECT_EQ(TextOf(Calculator().txt_term()), GetParam().typed.term);
        EXPECT_EQ(TextOf(Calculator().txt_interest()), GetParam().typed.rate);
    }
    Results designed_;
};

using NotNumericInputTest = RefusalFixture;

TEST_P(NotNumericInputTest, ButtonGivesOneNumericMessage) {
    ClickCalculate();
    EXPECT_EQ(services.messages, Only(kNotNumericMessage));
}

TEST_P(NotNumericInputTest, ButtonWritesInvalidInputIntoTheHiddenPaymentLabel) {
    ClickCalculate();
    ExpectNothingElseChanged({"Invalid Input", designed_.interest, designed_.total});
}

// Return has no numeric pre-test: the calculation refuses what Val makes of the text.
TEST_P(NotNumericInputTest, ReturnGivesOnlyTheCalculationsMessage) {
    PressReturn(Calculator().txt_interest());
    EXPECT_EQ(services.messages, Only(kNotPositiveMessage));
    ExpectNothingElseChanged(designed_);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, NotNumericInputTest,
    ::testing::Values(RefusalRow{"EmptyAmount", {"", "360", "3.75"}},
                      RefusalRow{"LettersForAmount", {"abc", "360", "3.75"}},
                      RefusalRow{"ThousandsComma", {"100,000", "360", "3.75"}},
                      RefusalRow{"TrailingLettersInTerm", {"100000", "12abc", "3.75"}},
                      RefusalRow{"DecimalCommaInRate", {"100000", "360", "3,75"}},
                      RefusalRow{"PercentSignInRate", {"100000", "360", "3.75%"}},
                      RefusalRow{"HexadecimalTerm", {"100000", "0x10", "3.75"}},
                      RefusalRow{"InfiniteAmount", {"inf", "360", "3.75"}},
                      RefusalRow{"OverflowingAmount", {"1e400", "360", "3.75"}},
                      RefusalRow{"AllThreeLetters", {"abc", "def", "ghi"}}),
    RowName<RefusalRow>);

using NotPositiveInputTest = RefusalFixture;

TEST_P(NotPositiveInputTest, ButtonGivesOneCalculationMessage) {
    ClickCalculate();
    EXPECT_EQ(services.messages, Only(kNotPositiveMessage));
    ExpectNothingElseChanged(designed_);
}

TEST_P(NotPositiveInputTest, ReturnGivesTheSameMessage) {
    PressReturn(Calculator().txt_term());
    EXPECT_EQ(services.messages, Only(kNotPositiveMessage));
    ExpectNothingElseChanged(designed_);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, NotPositiveInputTest,
    ::testing::Values(RefusalRow{"ZeroAmount", {"0", "360", "3.75"}},
                      RefusalRow{"NegativeAmount", {"-5", "360", "3.75"}},
                      RefusalRow{"ZeroTerm", {"100000", "0", "3.75"}},
                      RefusalRow{"NegativeTerm", {"100000", "-12", "3.75"}},
                      RefusalRow{"ZeroRate", {"100000", "360", "0"}},
                      RefusalRow{"NegativeZeroRate", {"100000", "360", "-0"}},
                      // Positive, but a twelve-hundredth of it is no longer a double.
                      RefusalRow{"RateLostInTheMonthlyRate", {"100000", "360", "1e-321"}},
                      RefusalRow{"SmallestDoubleRate", {"100000", "360", "4.9e-324"}},
                      RefusalRow{"AllThreeZero", {"0", "0", "0"}}),
    RowName<RefusalRow>);

// ---- Refusals after a success -------------------------------------------------------------------

class RefusalAfterSuccessTest : public CalculatorTest,
                                public ::testing::WithParamInterface<RefusalRow> {
  protected:
    void SetUp() override {
        CalculatorTest::SetUp();
        ClickCalculate();
        Fill(GetParam().typed.amount, GetParam().typed.term, GetParam().typed.rate);
    }
};

TEST_P(RefusalAfterSuccessTest, ButtonShowsInvalidInputBesideTheOldResults) {
    ClickCalculate();
    const Results old = DefaultResults();
    EXPECT_EQ(ShownResults(), (Results{"Invalid Input", old.interest, old.total}));
    EXPECT_EQ(VisibleResultLabels(), 3);
    EXPECT_EQ(services.messages, Only(kNotNumericMessage));
    EXPECT_EQ(services.plays, 1);
}

TEST_P(RefusalAfterSuccessTest, ReturnKeepsTheOldResults) {
    PressReturn(Calculator().txt_loanamount());
    EXPECT_EQ(ShownResults(), DefaultResults());
    EXPECT_EQ(VisibleResultLabels(), 3);
    EXPECT_EQ(services.messages, Only(kNotPositiveMessage));
    EXPECT_EQ(services.plays, 1);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RefusalAfterSuccessTest,
                         ::testing::Values(RefusalRow{"EmptyTerm", {"100000", "", "3.75"}},
                                           RefusalRow{"ThousandsComma", {"100,000", "360", "3.75"}},
                                           RefusalRow{"AllThreeLetters", {"abc", "def", "ghi"}}),
                         RowName<RefusalRow>);

TEST_F(CalculateButtonTest, RefusedZeroKeepsTheOldResults) {
    ClickCalculate();
    Fill("100000", "0", "3.75");
    ClickCalculate();
    EXPECT_EQ(ShownResults(), DefaultResults());
    EXPECT_EQ(VisibleResultLabels(), 3);
    EXPECT_EQ(services.messages, Only(kNotPositiveMessage));
    EXPECT_EQ(services.plays, 1);
}

// ---- Locale -------------------------------------------------------------------------------------

// Money in a German locale; Qt carries the locale's data, so the machine needs none installed.
class GermanLocaleTest : public CalculatorTest {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        CalculatorTest::SetUp();
    }
    void TearDown() override {
        CalculatorTest::TearDown();
        QLocale::setDefault(previous_);
    }

  private:
    QLocale previous_;
};

TEST_F(GermanLocaleTest, MoneyUsesGermanSeparators) {
    ClickCalculate();
    EXPECT_EQ(ShownResults(), ResultTexts("$463,12", "$66.721,61", "$166.721,61"));
}

}  // namespace
