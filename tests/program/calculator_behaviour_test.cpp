// The calculator window as it opens, its links and its Quit button, the keys of its fields, and a
// calculation on a machine without the cash-register sound.

#include <QSignalSpy>
#include <QTemporaryDir>

#include "credits/credits.h"
#include "tests/program/calculator_driver.h"

namespace {

const fw::TextField& AmountField(const WinMain& w) {
    return w.txt_loanamount();
}
const fw::TextField& TermField(const WinMain& w) {
    return w.txt_term();
}
const fw::TextField& RateField(const WinMain& w) {
    return w.txt_interest();
}

// ---- Right after launch -------------------------------------------------------------------------

using LaunchStateTest = CalculatorTest;

struct DefaultRow {
    const char* name;
    const fw::TextField& (*field)(const WinMain&);
    const char* text;
};
void PrintTo(const DefaultRow& row, std::ostream* out) {
    *out << row.name;
}

class DefaultInputTest : public CalculatorTest, public ::testing::WithParamInterface<DefaultRow> {};

TEST_P(DefaultInputTest, FieldHoldsItsDefaultInput) {
    EXPECT_EQ(TextOf(GetParam().field(Calculator())), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Launch, DefaultInputTest,
                         ::testing::Values(DefaultRow{"Amount", AmountField, "100000"},
                                           DefaultRow{"Term", TermField, "360"},
                                           DefaultRow{"Rate", RateField, "3.75"}),
                         RowName<DefaultRow>);

TEST_F(LaunchStateTest, TitleIsTheAppName) {
    EXPECT_EQ(fw::FromQString(Frame()->windowTitle()), "Brenquill Calculator");
}

TEST_F(LaunchStateTest, CopyrightLineShowsTheNotice) {
    EXPECT_EQ(TextOf(Calculator().lbl_Copyright()),
              "Copyright \u00A9 2026 Quorvane. All rights reserved.");
}

TEST_F(LaunchStateTest, ResultLabelsStayHidden) {
    ASSERT_TRUE(Frame()->isVisible());
    EXPECT_EQ(VisibleResultLabels(), 0);
}

TEST_F(LaunchStateTest, ShowsNoMessageAndPlaysNoSound) {
    QCoreApplication::processEvents();  // anything the launch left queued has run
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(services.plays, 0);
    EXPECT_TRUE(services.urls.empty());
}

// ---- The website links --------------------------------------------------------------------------

struct SpotRow {
    const char* name;
    double across;  // where on the copyright line, as a fraction of its width
};
void PrintTo(const SpotRow& row, std::ostream* out) {
    *out << row.name;
}

class CopyrightClickTest : public CalculatorTest, public ::testing::WithParamInterface<SpotRow> {};

TEST_P(CopyrightClickTest, OpensTheWebsite) {
    QLabel* line = Shown(Calculator().lbl_Copyright());
    const QPoint spot(static_cast<int>(GetParam().across * (line->width() - 1)),
                      line->height() / 2);
    QTest::mouseClick(line, Qt::LeftButton, Qt::NoModifier, spot);
    EXPECT_EQ(services.urls, Only(kWebsite));
}

INSTANTIATE_TEST_SUITE_P(Links, CopyrightClickTest,
                         ::testing::Values(SpotRow{"LeftEnd", 0.0}, SpotRow{"Middle", 0.5},
                                           SpotRow{"RightEnd", 1.0}),
                         RowName<SpotRow>);

using WebsiteLinkTest = CalculatorTest;

TEST_F(WebsiteLinkTest, VisitWebsiteButtonOpensTheWebsite) {
    Click(Calculator().btn_VisitWebsite());
    EXPECT_EQ(services.urls, Only(kWebsite));
}

TEST_F(WebsiteLinkTest, OpeningTheWebsiteLeavesTheCalculatorAsItWas) {
    ClickCalculate();
    QTest::mouseClick(Shown(Calculator().lbl_Copyright()), Qt::LeftButton);
    Click(Calculator().btn_VisitWebsite());
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_EQ(ShownResults(), DefaultResults());
    EXPECT_EQ(TextOf(Calculator().txt_loanamount()), "100000");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(services.plays, 1);
}

// ---- Quit ---------------------------------------------------------------------------------------

using QuitButtonTest = CalculatorTest;

TEST_F(QuitButtonTest, HidesTheCalculator) {
    Click(Calculator().btn_quit());
    EXPECT_FALSE(Frame()->isVisible());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
}

TEST_F(QuitButtonTest, ShowsTheCreditsWindow) {
    Click(Calculator().btn_quit());
    EXPECT_TRUE(Credits::Instance().impl().frame->isVisible());
}

TEST_F(QuitButtonTest, KeepsInputsAndResults) {
    Fill("250000", "180", "6.5");
    ClickCalculate();
    Click(Calculator().btn_quit());
    EXPECT_EQ(TextOf(Calculator().txt_loanamount()), "250000");
    EXPECT_EQ(TextOf(Calculator().txt_term()), "180");
    EXPECT_EQ(TextOf(Calculator().txt_interest()), "6.5");
    EXPECT_EQ(ShownResults(), ResultTexts("$2,177.77", "$141,998.31", "$391,998.31"));
    EXPECT_TRUE(Calculator().lbl_TotalCost().Visible());
}

// The window's close button leads where Quit does, and the program goes on running.
using CloseButtonTest = CalculatorTest;

TEST_F(CloseButtonTest, ShowsTheCreditsWindowAndKeepsRunning) {
    Frame()->close();
    EXPECT_TRUE(Credits::Instance().impl().frame->isVisible());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

// ---- Keys in the fields -------------------------------------------------------------------------

struct TypingRow {
    const char* name;
    const char* text;
};
void PrintTo(const TypingRow& row, std::ostream* out) {
    *out << row.name;
}

class FieldTypingTest : public CalculatorTest, public ::testing::WithParamInterface<TypingRow> {};

TEST_P(FieldTypingTest, EveryCharacterReachesTheFieldAndNoneCalculates) {
    Type(Calculator().txt_term(), GetParam().text);
    EXPECT_EQ(TextOf(Calculator().txt_term()), GetParam().text);
    EXPECT_EQ(VisibleResultLabels(), 0);
    EXPECT_EQ(services.plays, 0);
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, FieldTypingTest,
                         ::testing::Values(TypingRow{"Letters", "abc"},
                                           TypingRow{"Digits", "1234567890"},
                                           TypingRow{"ThousandsComma", "100,000"},
                                           TypingRow{"SignsAndExponent", "-1.5e+3"},
                                           TypingRow{"Symbols", "$ 3.75 %"}),
                         RowName<TypingRow>);

struct KeyRow {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
void PrintTo(const KeyRow& row, std::ostream* out) {
    *out << row.name;
}

class FieldOtherKeyTest : public CalculatorTest, public ::testing::WithParamInterface<KeyRow> {};

TEST_P(FieldOtherKeyTest, StartsNoCalculation) {
    Focus(Calculator().txt_interest());
    QTest::keyClick(Edit(Calculator().txt_interest()), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(VisibleResultLabels(), 0);
    EXPECT_EQ(services.plays, 0);
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Keys, FieldOtherKeyTest,
                         ::testing::Values(KeyRow{"Escape", Qt::Key_Escape, Qt::NoModifier},
                                           KeyRow{"Space", Qt::Key_Space, Qt::NoModifier},
                                           KeyRow{"Backspace", Qt::Key_Backspace, Qt::NoModifier},
                                           KeyRow{"Delete", Qt::Key_Delete, Qt::NoModifier},
                                           KeyRow{"LeftArrow", Qt::Key_Left, Qt::NoModifier},
                                           KeyRow{"LetterR", Qt::Key_R, Qt::NoModifier},
                                           KeyRow{"KeypadDigit", Qt::Key_3, Qt::KeypadModifier}),
                         RowName<KeyRow>);

struct ReturnRow {
    const char* name;
    const fw::TextField& (*field)(const WinMain&);
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
void PrintTo(const ReturnRow& row, std::ostream* out) {
    *out << row.name;
}

class FieldReturnTest : public CalculatorTest, public ::testing::WithParamInterface<ReturnRow> {
  protected:
    const fw::TextField& Field() { return GetParam().field(Calculator()); }
    void Press() { PressReturn(Field(), GetParam().key, GetParam().modifiers); }
};

TEST_P(FieldReturnTest, ShowsTheResultsAndPlaysTheSound) {
    Press();
    EXPECT_EQ(ShownResults(), DefaultResults());
    EXPECT_EQ(VisibleResultLabels(), 3);
    EXPECT_EQ(services.plays, 1);
    EXPECT_TRUE(services.messages.empty());
}

TEST_P(FieldReturnTest, StillReachesTheField) {
    const std::string before = TextOf(Field());
    QSignalSpy returned(Edit(Field()), &QLineEdit::returnPressed);
    Press();
    EXPECT_EQ(returned.count(), 1);
    EXPECT_EQ(TextOf(Field()), before);
}

TEST_P(FieldReturnTest, PressesNoButton) {
    QSignalSpy clicked(Button(Calculator().btn_Calculate()), &QPushButton::clicked);
    Press();
    EXPECT_EQ(clicked.count(), 0);
    EXPECT_EQ(services.plays, 1);  // one calculation, not two
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FieldReturnTest,
    ::testing::Values(ReturnRow{"ReturnInAmount", AmountField, Qt::Key_Return, Qt::NoModifier},
                      ReturnRow{"ReturnInTerm", TermField, Qt::Key_Return, Qt::NoModifier},
                      ReturnRow{"ReturnInRate", RateField, Qt::Key_Return, Qt::NoModifier},
                      ReturnRow{"KeypadEnterInAmount", AmountField, Qt::Key_Enter,
                                Qt::KeypadModifier},
                      ReturnRow{"KeypadEnterInRate", RateField, Qt::Key_Enter, Qt::KeypadModifier}),
    RowName<ReturnRow>);

// ---- Without the sound file ---------------------------------------------------------------------

class NoSoundFileTest : public CalculatorTest {
  protected:
    std::filesystem::path ResourcesFolder() override {
        return std::filesystem::path(fw::FromQString(empty_.path()));
    }

  private:
    QTemporaryDir empty_;
};

TEST_F(NoSoundFileTest, ButtonStillShowsTheResults) {
    ClickCalculate();
    EXPECT_EQ(ShownResults(), DefaultResults());
    EXPECT_EQ(VisibleResultLabels(), 3);
}

TEST_F(NoSoundFileTest, ReturnStillShowsTheResults) {
    PressReturn(Calculator().txt_term());
    EXPECT_EQ(ShownResults(), DefaultResults());
    EXPECT_EQ(VisibleResultLabels(), 3);
}

TEST_F(NoSoundFileTest, NothingIsRaised) {
    ClickCalculate();
    PressReturn(Calculator().txt_loanamount());
    EXPECT_EQ(services.plays, 0);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
    EXPECT_EQ(fw::RuntimeExit(), 0);
    EXPECT_TRUE(Frame()->isVisible());
}

}  // namespace
