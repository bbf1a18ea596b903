#pragma once

// Brings the program's windows up with the bundle's real pictures and sound, and drives them as a
// user would: clicks, keys typed into the focused field, menu commands, the close button. What the
// user sees is read from the widgets.

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <filesystem>
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
inline const std::string kContact = "https://www.quorvane.com/write-us-now";
inline const std::string kAbout = "About App Info Here";

inline QWidget* WidgetOf(const fw::RectControl& control) {
    return control.impl().widget.data();
}
inline QWidget* FrameOf(const fw::Window& window) {
    return window.impl().frame.get();
}
inline QLineEdit* EditOf(const fw::TextField& field) {
    return qobject_cast<QLineEdit*>(WidgetOf(field));
}
inline bool Shows(const fw::Window& window) {
    return FrameOf(window)->isVisible();
}
inline QAction* MenuAction(const fw::Window& window, const char* itemName) {
    return FrameOf(window)->findChild<QAction*>(QString::fromLatin1(itemName));
}

inline void Click(const fw::RectControl& control) {
    QTest::mouseClick(WidgetOf(control), Qt::LeftButton);
}

// Closes the window with its close button: the toolkit's close event, as the user sends it.
inline void CloseByHand(const fw::Window& window) {
    FrameOf(window)->close();
}

// Leaves the calculator as its Quit button does.
inline Credits& Leave() {
    Click(WinMain::Instance().btn_quit());
    return Credits::Instance();
}

// Brings the widget's window to the front and the keyboard focus into it, as a click does.
inline void FocusIn(QWidget* widget) {
    QWidget* frame = widget->window();
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
    widget->setFocus(Qt::MouseFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; }));
}

inline void PressKey(const fw::TextField& field, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
    FocusIn(EditOf(field));
    QTest::keyClick(EditOf(field), key, mods);
}

// Replaces what the three fields hold with the texts, typed key by key over the selected old ones.
inline void Fill(const std::vector<std::string>& texts) {
    const WinMain& w = WinMain::Instance();
    const fw::TextField* fields[] = {&w.txt_loanamount(), &w.txt_term(), &w.txt_interest()};
    for (std::size_t i = 0; i < 3; ++i) {
        PressKey(*fields[i], Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(EditOf(*fields[i]), Qt::Key_Delete);
        QTest::keyClicks(EditOf(*fields[i]), QString::fromStdString(texts[i]));
    }
}

// The three inputs as the fields show them: amount, term, rate.
inline std::vector<std::string> ShownInputs() {
    const WinMain& w = WinMain::Instance();
    std::vector<std::string> seen;
    for (const fw::TextField* f : {&w.txt_loanamount(), &w.txt_term(), &w.txt_interest()}) {
        seen.push_back(EditOf(*f)->text().toStdString());
    }
    return seen;
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

inline std::vector<std::string> Money(const std::string& payment, const std::string& interest,
                                      const std::string& total) {
    return {"Monthly Payment = " + payment, "Total Interest = " + interest,
            "Total to be paid over the life of the loan: " + total};
}

// The inputs the calculator opens with, and what the labels show as designed.
inline const std::vector<std::string> kDefaultInputs = {"100000", "360", "3.75"};
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
