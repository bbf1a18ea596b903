#pragma once

// Brings the calculator up as the program does and drives it as a user would: clicks on its
// buttons and keys typed into its focused fields. What the user sees is read from the widgets.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "calculator/win_main.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/convert.h"
#include "framework/qt/window_impl.h"
#include "framework/resources.h"
#include "tests/support/program_fixture.h"

inline constexpr std::string_view kNotNumericMessage =
    "All fields must only be numeric, please check and correct your entries";
inline constexpr std::string_view kNotPositiveMessage =
    "Invalid Input - Only Numeric Information May Be Used";
inline constexpr std::string_view kWebsite = "https://www.quorvane.com/freeforfun";

// What the recorder holds after exactly one message box, or one opened address, with that text.
inline std::vector<std::string> Only(std::string_view text) {
    return {std::string(text)};
}

template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

// The three result labels as they read on screen.
struct Results {
    std::string payment;
    std::string interest;
    std::string total;

    bool operator==(const Results&) const = default;
};

inline void PrintTo(const Results& r, std::ostream* out) {
    *out << '{' << r.payment << " | " << r.interest << " | " << r.total << '}';
}

// The labels' texts for the three dollar amounts, in the order payment, interest, total.
inline Results ResultTexts(std::string_view payment, std::string_view interest,
                           std::string_view total) {
    return {"Monthly Payment = " + std::string(payment),
            "Total Interest = " + std::string(interest),
            "Total to be paid over the life of the loan: " + std::string(total)};
}

// What the default inputs give.
inline Results DefaultResults() {
    return ResultTexts("$463.12", "$66,721.61", "$166,721.61");
}

class CalculatorTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        fw::SetApplicationBundleResourcesForTesting(ResourcesFolder());
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
    }
    void TearDown() override {
        ProgramTest::TearDown();
        fw::SetApplicationBundleResourcesForTesting({});
    }
    // The folder the bundle's resources come from: the real pictures and sound.
    virtual std::filesystem::path ResourcesFolder() { return BRENQUILL_SOURCE_DIR "/resources"; }

    static WinMain& Calculator() { return WinMain::Instance(); }
    static QWidget* Frame() { return Calculator().impl().frame.get(); }
    static QLineEdit* Edit(const fw::TextField& field) {
        return qobject_cast<QLineEdit*>(field.impl().widget.data());
    }
    static QLabel* Shown(const fw::Label& label) {
        return qobject_cast<QLabel*>(label.impl().widget.data());
    }
    static QPushButton* Button(const fw::PushButton& button) {
        return qobject_cast<QPushButton*>(button.impl().widget.data());
    }
    static std::string TextOf(const fw::TextField& field) {
        return fw::FromQString(Edit(field)->text());
    }
    static std::string TextOf(const fw::Label& label) {
        return fw::FromQString(Shown(label)->text());
    }
    static bool IsVisible(const fw::Label& label) { return Shown(label)->isVisible(); }

    static Results ShownResults() {
        const WinMain& w = Calculator();
        return {TextOf(w.lbl_MonthlyPayment()), TextOf(w.lbl_totalInterest()),
                TextOf(w.lbl_TotalCost())};
    }
    static int VisibleResultLabels() {
        const WinMain& w = Calculator();
        return int{IsVisible(w.lbl_MonthlyPayment())} + int{IsVisible(w.lbl_totalInterest())} +
               int{IsVisible(w.lbl_TotalCost())};
    }

    // Brings the window to the front and puts the keyboard focus into the field, as a click does.
    static void Focus(const fw::TextField& field) {
        QWidget* frame = Frame();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        QLineEdit* edit = Edit(field);
        edit->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(QTest::qWaitFor([edit] { return QApplication::focusWidget() == edit; }));
    }

    // Replaces what the field holds with the text, typed key by key.
    static void Type(const fw::TextField& field, std::string_view text) {
        Focus(field);
        QLineEdit* edit = Edit(field);
        QTest::keyClick(edit, Qt::Key_End);
        for (qsizetype n = edit->text().size(); n > 0; --n) {
            QTest::keyClick(edit, Qt::Key_Backspace);
        }
        QTest::keyClicks(edit, fw::ToQString(text));
    }

    static void Fill(std::string_view amount, std::string_view term, std::string_view rate) {
        const WinMain& w = Calculator();
        Type(w.txt_loanamount(), amount);
        Type(w.txt_term(), term);
        Type(w.txt_interest(), rate);
    }

    static void Click(const fw::PushButton& button) {
        QTest::mouseClick(Button(button), Qt::LeftButton);
    }
    static void ClickCalculate() { Click(Calculator().btn_Calculate()); }

    static void PressReturn(const fw::TextField& field, Qt::Key key = Qt::Key_Return,
                            Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        Focus(field);
        QTest::keyClick(Edit(field), key, modifiers);
    }
};
