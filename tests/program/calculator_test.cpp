// The calculator as its user drives it: the figures shown for what was typed, by the Calculate
// button and by Return in each field; the inputs refused with their one message; the sound once per
// calculation; its website links; a machine without the sound or with German money.

#include <QLocale>
#include <QMessageBox>
#include <QTemporaryDir>

#include "tests/support/window_driver.h"

namespace {

using namespace window_driver;
using rows::PrintTo;
using Texts = std::vector<std::string>;

const std::string kNotNumeric =
    "All fields must only be numeric, please check and correct your entries";
const std::string kNotPositive = "Invalid Input - Only Numeric Information May Be Used";
const Texts kDefault = Money("$463.12", "$66,721.61", "$166,721.61");
// The button's own numeric check writes "Invalid Input" into the payment label, shown or not.
const Texts kMarkedInvalid = {"(hidden) Invalid Input", kDesignedResults[1], kDesignedResults[2]};

// How the user asks: a key in one of the controls, or the Calculate button when there is none.
struct Road {
    const char* field;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    bool held = false;  // long enough for the key to repeat
};
const Road kButton{nullptr, {}, {}};
const Road kReturnInAmount{"txt_loanamount", Qt::Key_Return, {}};
const Road kReturnInTerm{"txt_term", Qt::Key_Return, {}};
const Road kReturnInRate{"txt_interest", Qt::Key_Return, {}};

void Ask(const Road& road) {
    if (road.field == nullptr) {
        return Click(WinMain::Instance().btn_Calculate());
    }
    QWidget* widget = WidgetOf(WinMain::Instance().ControlAs<fw::RectControl>(road.field));
    if (widget->focusPolicy() != Qt::NoFocus) {
        FocusIn(widget);
    }
    QTest::keyPress(widget, road.key, road.modifiers);
    if (road.held) {
        QKeyEvent repeat(QEvent::KeyPress, road.key, road.modifiers, QString(), true);
        QApplication::sendEvent(widget, &repeat);
    }
    QTest::keyRelease(widget, road.key, road.modifiers);
}

struct CalcRow {
    std::string name;
    Texts typed;  // amount, term, rate
    Road road;
    Texts shown;
    const std::string* message;  // nullptr: none, and the sound plays once
};

class CalculateTest : public LaunchedTest, public ::testing::WithParamInterface<CalcRow> {};

TEST_P(CalculateTest, ShowsTheFiguresOrRefusesWithOneMessage) {
    const CalcRow& row = GetParam();
    Fill(row.typed);
    Ask(row.road);
    EXPECT_EQ(ShownResults(), row.shown);
    EXPECT_EQ(services.messages, row.message ? Texts{*row.message} : Texts{});
    EXPECT_EQ(services.plays, row.message || row.shown == kDesignedResults ? 0 : 1);
    EXPECT_EQ(ShownInputs(), row.typed);
    EXPECT_TRUE(services.urls.empty());
    EXPECT_TRUE(Shows(WinMain::Instance()));
}

// The figures are the exact values (rational arithmetic) rounded to the cent; none lies nearer than
// 0.04 cent to a rounding boundary, so double arithmetic must reach them.
// clang-format off
const Road kEnter{"txt_loanamount", Qt::Key_Enter, Qt::KeypadModifier};
const std::string* kSound = nullptr;
const Texts kShown = kDesignedResults;
INSTANTIATE_TEST_SUITE_P(Inputs, CalculateTest, ::testing::Values(
    CalcRow{"DefaultInputs", kDefaultInputs, kButton, kDefault, kSound},
    CalcRow{"ReturnInAmount", {"9999", "12", "9.9"}, kReturnInAmount,
            Money("$878.61", "$544.27", "$10,543.27"), kSound},
    CalcRow{"ReturnInTerm", {"250000", "180", "6.5"}, kReturnInTerm,
            Money("$2,177.77", "$141,998.31", "$391,998.31"), kSound},
    CalcRow{"ReturnInRate", {"1000", "1", "12"}, kReturnInRate,
            Money("$1,010.00", "$10.00", "$1,010.00"), kSound},
    CalcRow{"KeypadEnter", {"100000", "360", "1e-12"}, kEnter,
            Money("$277.78", "$0.00", "$100,000.00"), kSound},
    CalcRow{"RateBelowDoubleEpsilon", {"100000", "360", "1e-18"}, kButton,
            Money("$277.78", "$0.00", "$100,000.00"), kSound},
    CalcRow{"FractionalTerm", {"100000", "360.5", "3.75"}, kButton,
            Money("$462.77", "$66,827.83", "$166,827.83"), kSound},
    CalcRow{"ThousandYears", {"100000", "12000", "12"}, kButton,
            Money("$1,000.00", "$11,900,000.00", "$12,000,000.00"), kSound},
    CalcRow{"LargeLoan", {"5000000000", "480", "7.25"}, kButton,
            Money("$31,983,596.08", "$10,352,126,119.64", "$15,352,126,119.64"), kSound},
    CalcRow{"SmallLoanWithBlanks", {" 0.5", "3 ", "+.1"}, kButton,
            Money("$0.17", "$0.00", "$0.50"), kSound},
    // A focused button answers Space, Return and Enter, and a held key presses it once.
    CalcRow{"SpaceOnCalculate", kDefaultInputs, {"btn_Calculate", Qt::Key_Space, {}}, kDefault, kSound},
    CalcRow{"HeldReturnOnCalculate", kDefaultInputs, {"btn_Calculate", Qt::Key_Return, {}, true},
            kDefault, kSound},
    CalcRow{"EnterOnCalculate", kDefaultInputs, {"btn_Calculate", Qt::Key_Enter, Qt::KeypadModifier},
            kDefault, kSound},
    CalcRow{"EscapeInRate", kDefaultInputs, {"txt_interest", Qt::Key_Escape, {}}, kShown, kSound},
    CalcRow{"UpArrowInTerm", kDefaultInputs, {"txt_term", Qt::Key_Up, {}}, kShown, kSound},
    // There is no default or cancel button: a key that reaches the window past its controls
    // presses none of Visit Website, Quit or Calculate.
    CalcRow{"ReturnPastTheFields", kDefaultInputs, {"lbl_LoanAmount", Qt::Key_Return, {}}, kShown, kSound},
    CalcRow{"EnterPastTheFields", kDefaultInputs, {"Label1", Qt::Key_Enter, Qt::KeypadModifier}, kShown,
            kSound},
    CalcRow{"EscapePastTheFields", kDefaultInputs, {"lbl_term", Qt::Key_Escape, {}}, kShown, kSound},
    CalcRow{"EmptyTerm", {"100000", "", "3.75"}, kButton, kMarkedInvalid, &kNotNumeric},
    CalcRow{"ThousandsComma", {"100,000", "360", "3.75"}, kButton, kMarkedInvalid, &kNotNumeric},
    CalcRow{"LettersInRate", {"100000", "360", "abc"}, kButton, kMarkedInvalid, &kNotNumeric},
    CalcRow{"OverflowingAmount", {"1e400", "360", "3.75"}, kButton, kMarkedInvalid, &kNotNumeric},
    CalcRow{"ZeroTerm", {"100000", "0", "3.75"}, kButton, kShown, &kNotPositive},
    CalcRow{"NegativeAmount", {"-100000", "360", "3.75"}, kButton, kShown, &kNotPositive},
    CalcRow{"NegativeTerm", {"100000", "-12", "3.75"}, kButton, kShown, &kNotPositive},
    CalcRow{"NegativeRate", {"100000", "360", "-5"}, kButton, kShown, &kNotPositive},
    CalcRow{"NegativeZeroRate", {"100000", "360", "-0"}, kButton, kShown, &kNotPositive},
    // Positive, but a twelve-hundredth of it is no longer a double.
    CalcRow{"RateLostInTheMonthlyRate", {"100000", "360", "1e-321"}, kButton, kShown, &kNotPositive},
    CalcRow{"ReturnThousandsComma", {"100,000", "360", "3.75"}, kReturnInRate, kShown, &kNotPositive},
    CalcRow{"ReturnLettersInTerm", {"100000", "12abc", "3.75"}, kReturnInTerm, kShown, &kNotPositive},
    CalcRow{"ReturnEmptyRate", {"100000", "360", ""}, kReturnInAmount, kShown, &kNotPositive},
    CalcRow{"ReturnNegativeTerm", {"100000", "-12", "3.75"}, kReturnInAmount, kShown, &kNotPositive}),
    RowName<CalcRow>);
// clang-format on

using CalculatorTest = LaunchedTest;

TEST_F(CalculatorTest, RefusalsKeepTheLastResultsAndEverySuccessRingsOnce) {
    Click(WinMain::Instance().btn_Calculate());
    Fill({"100000", "-12", "3.75"});
    Click(WinMain::Instance().btn_Calculate());
    EXPECT_EQ(ShownResults(), kDefault);
    Fill({"12,000", "360", "3.75"});
    PressKey(WinMain::Instance().txt_term(), Qt::Key_Return);
    Click(WinMain::Instance().btn_Calculate());
    Texts marked = kDefault;
    marked[0] = "Invalid Input";
    EXPECT_EQ(ShownResults(), marked);
    EXPECT_EQ(services.messages, (Texts{kNotPositive, kNotPositive, kNotNumeric}));
    EXPECT_EQ(services.plays, 1);
    Fill({"250000", "180", "6.5"});
    PressKey(WinMain::Instance().txt_interest(), Qt::Key_Return);
    EXPECT_EQ(ShownResults(), Money("$2,177.77", "$141,998.31", "$391,998.31"));
    EXPECT_EQ(services.plays, 2);
}

// The box as the real services show it: titled with the program's name, with no icon; Return
// answers it.
TEST_F(CalculatorTest, RefusalShowsAPlainBoxTitledWithTheProgramsName) {
    Fill({"100000", "abc", "3.75"});
    const fw::ScopedServices real(fw::RealServices());
    std::string seen;
    LoopScript answer([&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen = (box->windowTitle() + ": " + box->text()).toStdString() +
               (box->icon() == QMessageBox::NoIcon ? "" : " (with an icon)");
        QTest::keyClick(box, Qt::Key_Return);
    });
    Click(WinMain::Instance().btn_Calculate());
    EXPECT_EQ(seen, "Brenquill: " + kNotNumeric);
    EXPECT_FALSE(answer.timedOut);
}

TEST_F(CalculatorTest, CopyrightLineAndVisitWebsiteOpenTheWebsite) {
    QTest::mouseClick(WidgetOf(WinMain::Instance().lbl_Copyright()), Qt::LeftButton);
    Click(WinMain::Instance().btn_VisitWebsite());
    EXPECT_EQ(services.urls, (Texts{kWebsite, kWebsite}));
    EXPECT_EQ(ShownResults(), kDesignedResults);
    EXPECT_TRUE(Shows(WinMain::Instance()));
}

class NoSoundFileTest : public CalculatorTest {
  protected:
    std::filesystem::path ResourcesFolder() override { return empty_.path().toStdString(); }
    QTemporaryDir empty_;
};

TEST_F(NoSoundFileTest, ButtonAndReturnStillShowTheResultsAndRaiseNothing) {
    Click(WinMain::Instance().btn_Calculate());
    PressKey(WinMain::Instance().txt_term(), Qt::Key_Return);
    EXPECT_EQ(ShownResults(), kDefault);
    EXPECT_EQ(services.plays, 0);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
}

// Qt carries the locale's data, so the machine needs none installed; typed numbers keep the dot.
TEST_F(CalculatorTest, GermanMoneyUsesGermanSeparators) {
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Fill({"5000000000", "480", "7.25"});
    Click(WinMain::Instance().btn_Calculate());
    QLocale::setDefault(previous);
    EXPECT_EQ(ShownResults(), Money("$31.983.596,08", "$10.352.126.119,64", "$15.352.126.119,64"));
}

}  // namespace
