// The calculator through real clicks and keys: what it shows right after launch, the results of its
// button and of Return in a field, the inputs it refuses with their messages, its website links,
// and a machine without the cash-register sound or with German money.

#include <QLocale>
#include <QTemporaryDir>

#include "tests/support/window_driver.h"

namespace {

using namespace window_driver;
using window_driver::PrintTo;

const std::string kNotNumeric =
    "All fields must only be numeric, please check and correct your entries";
const std::string kNotPositive = "Invalid Input - Only Numeric Information May Be Used";
const std::vector<std::string> kFifteenYears =
    ShowingMoney("$2,177.77", "$141,998.31", "$391,998.31");

using CalculatorTest = LaunchedTest;

void ClickCalculate() {
    Click(WinMain::Instance().btn_Calculate());
}

// ---- Launch, results and links ------------------------------------------------------------------

TEST_F(CalculatorTest, OpensWithItsTitleCopyrightLineAndDefaultInputs) {
    const WinMain& w = WinMain::Instance();
    QCoreApplication::processEvents();  // anything the launch left queued has run
    EXPECT_EQ(FrameOf(w)->windowTitle().toStdString(), "Brenquill Calculator");
    EXPECT_EQ(qobject_cast<QLabel*>(WidgetOf(w.lbl_Copyright()))->text().toStdString(),
              "Copyright \u00A9 2026 Quorvane. All rights reserved.");
    EXPECT_EQ(ShownInputs(), (std::vector<std::string>{"100000", "360", "3.75"}));
    EXPECT_EQ(ShownResults(), kDesignedResults);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(services.plays, 0);
}

TEST_F(CalculatorTest, EverySuccessShowsItsResultsAndPlaysTheSound) {
    ClickCalculate();
    EXPECT_EQ(ShownResults(), kDefaultResults);
    EXPECT_EQ(services.plays, 1);
    Fill("250000", "180", "6.5");
    ClickCalculate();
    EXPECT_EQ(ShownResults(), kFifteenYears);
    EXPECT_EQ(services.plays, 2);
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(CalculatorTest, CopyrightLineAndVisitWebsiteOpenTheWebsite) {
    QTest::mouseClick(WidgetOf(WinMain::Instance().lbl_Copyright()), Qt::LeftButton);
    Click(WinMain::Instance().btn_VisitWebsite());
    EXPECT_EQ(services.urls, (std::vector<std::string>{kWebsite, kWebsite}));
    EXPECT_EQ(ShownResults(), kDesignedResults);
}

struct KeyRow {
    std::string name;
    fw::TextField& (WinMain::*field)() const;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool calculates;
};

class FieldKeyTest : public CalculatorTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(FieldKeyTest, OnlyReturnCalculates) {
    PressKey((WinMain::Instance().*GetParam().field)(), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(ShownResults(), GetParam().calculates ? kDefaultResults : kDesignedResults);
    EXPECT_EQ(services.plays, GetParam().calculates ? 1 : 0);
    EXPECT_TRUE(services.messages.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Keys, FieldKeyTest, ::testing::Values(
    KeyRow{"ReturnInAmount", &WinMain::txt_loanamount, Qt::Key_Return, {}, true},
    KeyRow{"ReturnInTerm", &WinMain::txt_term, Qt::Key_Return, {}, true},
    KeyRow{"ReturnInRate", &WinMain::txt_interest, Qt::Key_Return, {}, true},
    KeyRow{"KeypadEnterInAmount", &WinMain::txt_loanamount, Qt::Key_Enter, Qt::KeypadModifier, true},
    KeyRow{"LetterInTerm", &WinMain::txt_term, Qt::Key_R, {}, false},
    KeyRow{"KeypadDigitInRate", &WinMain::txt_interest, Qt::Key_3, Qt::KeypadModifier, false},
    KeyRow{"EscapeInRate", &WinMain::txt_interest, Qt::Key_Escape, {}, false}),
    RowName<KeyRow>);
// clang-format on

// ---- Refusals -----------------------------------------------------------------------------------

struct RefusalRow {
    std::string name;
    const char *amount, *term, *rate;
    bool byButton;  // else Return in the rate field, which has no numeric pre-check
    const std::string* message;
};

class RefusalTest : public CalculatorTest, public ::testing::WithParamInterface<RefusalRow> {
  protected:
    static void Refuse() {
        Fill(GetParam().amount, GetParam().term, GetParam().rate);
        if (GetParam().byButton) {
            ClickCalculate();
        } else {
            PressKey(WinMain::Instance().txt_interest(), Qt::Key_Return);
        }
    }
    // The button's own numeric check writes "Invalid Input" into the payment label, shown or not.
    static std::vector<std::string> After(std::vector<std::string> results) {
        if (GetParam().message == &kNotNumeric) {
            results[0] = results[0].substr(0, results[0].find("Monthly")) + "Invalid Input";
        }
        return results;
    }
};

TEST_P(RefusalTest, GivesOneExactMessageAndNoSound) {
    Refuse();
    EXPECT_EQ(services.messages, std::vector<std::string>{*GetParam().message});
    EXPECT_EQ(services.plays, 0);
    EXPECT_EQ(ShownInputs(),
              (std::vector<std::string>{GetParam().amount, GetParam().term, GetParam().rate}));
}

TEST_P(RefusalTest, LeavesTheResultLabelsHidden) {
    Refuse();
    EXPECT_EQ(ShownResults(), After(kDesignedResults));
}

TEST_P(RefusalTest, KeepsTheResultsOfAnEarlierSuccess) {
    ClickCalculate();
    Refuse();
    EXPECT_EQ(ShownResults(), After(kDefaultResults));
    EXPECT_EQ(services.messages, std::vector<std::string>{*GetParam().message});
    EXPECT_EQ(services.plays, 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Inputs, RefusalTest, ::testing::Values(
    RefusalRow{"ButtonEmptyTerm", "100000", "", "3.75", true, &kNotNumeric},
    RefusalRow{"ButtonThousandsComma", "100,000", "360", "3.75", true, &kNotNumeric},
    RefusalRow{"ButtonOverflowingAmount", "1e400", "360", "3.75", true, &kNotNumeric},
    RefusalRow{"ButtonAllThreeLetters", "abc", "def", "ghi", true, &kNotNumeric},
    RefusalRow{"ButtonZeroTerm", "100000", "0", "3.75", true, &kNotPositive},
    RefusalRow{"ButtonNegativeZeroRate", "100000", "360", "-0", true, &kNotPositive},
    // Positive, but a twelve-hundredth of it is no longer a double.
    RefusalRow{"ButtonRateLostInTheMonthlyRate", "100000", "360", "1e-321", true, &kNotPositive},
    RefusalRow{"ButtonAllThreeZero", "0", "0", "0", true, &kNotPositive},
    RefusalRow{"ReturnThousandsComma", "100,000", "360", "3.75", false, &kNotPositive},
    RefusalRow{"ReturnTrailingLettersInTerm", "100000", "12abc", "3.75", false, &kNotPositive},
    RefusalRow{"ReturnAllThreeLetters", "abc", "def", "ghi", false, &kNotPositive}),
    RowName<RefusalRow>);
// clang-format on

// ---- The machine --------------------------------------------------------------------------------

class NoSoundFileTest : public CalculatorTest {
  protected:
    std::filesystem::path ResourcesFolder() override { return empty_.path().toStdString(); }

  private:
    QTemporaryDir empty_;
};

TEST_F(NoSoundFileTest, ButtonAndReturnStillShowTheResultsAndRaiseNothing) {
    ClickCalculate();
    EXPECT_EQ(ShownResults(), kDefaultResults);
    Fill("250000", "180", "6.5");
    PressKey(WinMain::Instance().txt_term(), Qt::Key_Return);
    EXPECT_EQ(ShownResults(), kFifteenYears);
    EXPECT_EQ(services.plays, 0);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
}

// Qt carries the locale's data, so the machine needs none installed.
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
    QLocale previous_;
};

TEST_F(GermanLocaleTest, MoneyUsesGermanSeparators) {
    ClickCalculate();
    EXPECT_EQ(ShownResults(), ShowingMoney("$463,12", "$66.721,61", "$166.721,61"));
}

}  // namespace
