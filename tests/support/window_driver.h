#pragma once

// Brings the program's windows up with the bundle's real pictures and sound, and drives them as a
// user would: clicks, keys typed into the focused field, the close button. What the user sees is
// read from the widgets.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/startup.h"
#include "calculator/win_main.h"
#include "credits/credits.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/window_impl.h"
#include "framework/resources.h"
#include "tests/support/program_fixture.h"
#include "tests/support/rows.h"

namespace window_driver {

inline const std::string kWebsite = "https://www.quorvane.com/freeforfun";

// A failing row is reported by its name, not dumped byte by byte. A test file brings this in with
// `using window_driver::PrintTo;` inside the namespace of its rows.
template <class Row>
requires requires(const Row& r) {
    r.name;
}
void PrintTo(const Row& row, std::ostream* out) {
    *out << row.name;
}

inline QWidget* WidgetOf(const fw::RectControl& control) {
    return control.impl().widget.data();
}
inline QWidget* FrameOf(const fw::Window& window) {
    return window.impl().frame.get();
}
inline QLineEdit* EditOf(const fw::TextField& field) {
    return qobject_cast<QLineEdit*>(WidgetOf(field));
}

inline void Click(const fw::RectControl& control) {
    QTest::mouseClick(WidgetOf(control), Qt::LeftButton);
}

// Closes the window with its close button: the toolkit's close event, as the user sends it.
inline void CloseByHand(const fw::Window& window) {
    FrameOf(window)->close();
}

// Brings the field's window to the front and the keyboard focus into the field, then the key.
inline void PressKey(const fw::TextField& field, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    QWidget* frame = FrameOf(*field.Owner());
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    QLineEdit* edit = EditOf(field);
    edit->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([edit] { return QApplication::focusWidget() == edit; }));
    QTest::keyClick(edit, key, mods);
}

// Replaces what the three fields hold with the texts, typed key by key.
inline void Fill(const char* amount, const char* term, const char* rate) {
    const WinMain& w = WinMain::Instance();
    for (auto [field, text] :
         {std::pair{&w.txt_loanamount(), amount}, std::pair{&w.txt_term(), term},
          std::pair{&w.txt_interest(), rate}}) {
        PressKey(*field, Qt::Key_End);
        while (!EditOf(*field)->text().isEmpty()) {
            QTest::keyClick(EditOf(*field), Qt::Key_Backspace);
        }
        QTest::keyClicks(EditOf(*field), QString::fromUtf8(text));
    }
}

// The three inputs as the fields show them: amount, term, rate.
inline std::vector<std::string> ShownInputs() {
    const WinMain& w = WinMain::Instance();
    return {EditOf(w.txt_loanamount())->text().toStdString(),
            EditOf(w.txt_term())->text().toStdString(),
            EditOf(w.txt_interest())->text().toStdString()};
}

// The three result labels as the user sees them: payment, interest, total; "(hidden)" before the
// text of one that does not show.
inline std::vector<std::string> ShownResults() {
    const WinMain& w = WinMain::Instance();
    std::vector<std::string> seen;
    for (const fw::Label* l :
         {&w.lbl_MonthlyPayment(), &w.lbl_totalInterest(), &w.lbl_TotalCost()}) {
        const auto* shown = qobject_cast<QLabel*>(WidgetOf(*l));
        seen.push_back((shown->isVisibleTo(FrameOf(w)) ? "" : "(hidden) ") +
                       shown->text().toStdString());
    }
    return seen;
}

inline std::vector<std::string> ShowingMoney(const char* payment, const char* interest,
                                             const char* total) {
    return {std::string("Monthly Payment = ") + payment,
            std::string("Total Interest = ") + interest,
            std::string("Total to be paid over the life of the loan: ") + total};
}

// What the default inputs give, and what the labels show as designed.
inline const std::vector<std::string> kDefaultResults =
    ShowingMoney("$463.12", "$66,721.61", "$166,721.61");
inline const std::vector<std::string> kDesignedResults = {
    "(hidden) Monthly Payment", "(hidden) Total Interest", "(hidden) Total Cost Over Loan Life $"};

// A fresh runtime with the bundle's resources, and no window yet.
class WindowTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        fw::SetApplicationBundleResourcesForTesting(ResourcesFolder());
    }
    void TearDown() override {
        ProgramTest::TearDown();
        fw::SetApplicationBundleResourcesForTesting({});
    }
    virtual std::filesystem::path ResourcesFolder() { return BRENQUILL_SOURCE_DIR "/resources"; }
};

// The program as it starts: its calculator window open.
class LaunchedTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
    }
};

}  // namespace window_driver
