// The calculator window's menu commands: its three bindings, what each command does, File > Quit
// from the keyboard, and the Edit items, which no handler of the program takes.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "app/startup.h"
#include "calculator/win_main.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/window_impl.h"
#include "tests/support/program_fixture.h"

namespace {

template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.label;
}

QAction* MenuAction(const fw::Window& window, const char* itemName) {
    return window.impl().frame->findChild<QAction*>(QString::fromLatin1(itemName));
}

QWidget* WidgetOf(const fw::RectControl& control) {
    return control.impl().widget.data();
}

QLineEdit* FieldOf(const fw::TextField& field) {
    return qobject_cast<QLineEdit*>(WidgetOf(field));
}

// Brings the window to the front, as a click on it does, and gives the widget the keyboard focus.
bool FocusIn(const fw::Window& window, QWidget* widget) {
    QWidget* frame = window.impl().frame.get();
    frame->activateWindow();
    if (!QTest::qWaitForWindowActive(frame)) {
        return false;
    }
    widget->setFocus();
    return QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; });
}

class MenuCommandsTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
    }
};

// ---- Bindings -----------------------------------------------------------------------------------

struct BindingRow {
    const char* label;
    int failAt;  // the call of AddMenuHandler that fails, counted from 1; 0: none fails
    bool about, quit, website;
    friend std::ostream& operator<<(std::ostream& os, const BindingRow& r) { return os << r.label; }
};

class BindingTest : public ProgramTest, public ::testing::WithParamInterface<BindingRow> {};

TEST_P(BindingTest, KeepsTheHandlersBoundBeforeAFailure) {
    const BindingRow& row = GetParam();
    int calls = 0;
    fw::SetUiOperationHook([&](const char* op) {
        if (std::string_view(op) == "Window.AddMenuHandler" && ++calls == row.failAt) {
            throw fw::RuntimeException("binding failed");
        }
    });
    WinMain window;
    if (row.failAt > 0) {
        EXPECT_THROW(window.AddMenuHandlers(window), fw::RuntimeException);
    } else {
        window.AddMenuHandlers(window);
    }
    EXPECT_EQ(window.HasMenuHandler("AboutMenu"), row.about);
    EXPECT_EQ(window.HasMenuHandler("FileQuit"), row.quit);
    EXPECT_EQ(window.HasMenuHandler("VisitWebsite"), row.website);
}

INSTANTIATE_TEST_SUITE_P(Calls, BindingTest,
                         ::testing::Values(BindingRow{"NoFailure", 0, true, true, true},
                                           BindingRow{"AtAboutMenu", 1, false, false, false},
                                           BindingRow{"AtFileQuit", 2, true, false, false},
                                           BindingRow{"AtVisitWebsite", 3, true, true, false}),
                         RowName<BindingRow>);

TEST_F(MenuCommandsTest, AnotherKindOfWindowIsRefusedAndGetsNoBinding) {
    fw::Window other;
    EXPECT_THROW(WinMain::Instance().AddMenuHandlers(other), fw::IllegalCastException);
    for (const char* name : {"AboutMenu", "FileQuit", "VisitWebsite"}) {
        EXPECT_FALSE(other.HasMenuHandler(name)) << name;
    }
}

// ---- Commands -----------------------------------------------------------------------------------

struct CommandRow {
    const char* label;
    const char* itemName;
    std::vector<std::string> messages;
    std::vector<std::string> urls;
    bool quits;
    friend std::ostream& operator<<(std::ostream& os, const CommandRow& r) { return os << r.label; }
};

class CommandTest : public MenuCommandsTest, public ::testing::WithParamInterface<CommandRow> {};

TEST_P(CommandTest, AnswersHandledAndRepeatsItsEffectEachTime) {
    const CommandRow& row = GetParam();
    WinMain::Instance().SetWebsiteURL("https://example.org/freeforfun");
    EXPECT_TRUE(WinMain::Instance().HandleMenuCommand(row.itemName));
    QAction* action = MenuAction(WinMain::Instance(), row.itemName);
    ASSERT_NE(action, nullptr);
    action->trigger();
    auto twice = [](const std::vector<std::string>& once) {
        std::vector<std::string> both = once;
        both.insert(both.end(), once.begin(), once.end());
        return both;
    };
    EXPECT_EQ(services.messages, twice(row.messages));
    EXPECT_EQ(services.urls, twice(row.urls));
    EXPECT_EQ(fw::RuntimeIsQuitting(), row.quits);
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

// Each command also works on a calculator window built after the first one was gone.
TEST_P(CommandTest, RebuiltWindowAnswersThroughItsOwnBindings) {
    const CommandRow& row = GetParam();
    fw::DestroyAllWindows();
    WinMain& second = WinMain::Instance();
    ASSERT_EQ(fw::WindowCount(), 1u);
    second.SetWebsiteURL("https://example.org/freeforfun");
    QAction* action = MenuAction(second, row.itemName);
    ASSERT_NE(action, nullptr);
    action->trigger();
    EXPECT_EQ(services.messages, row.messages);
    EXPECT_EQ(services.urls, row.urls);
    EXPECT_EQ(fw::RuntimeIsQuitting(), row.quits);
}

INSTANTIATE_TEST_SUITE_P(
    Items, CommandTest,
    ::testing::Values(
        CommandRow{"About", "AboutMenu", {"About App Info Here"}, {}, false},
        CommandRow{
            "VisitOurWebsite", "VisitWebsite", {}, {"https://example.org/freeforfun"}, false},
        CommandRow{"Quit", "FileQuit", {}, {}, true}),
    RowName<CommandRow>);

// ---- File > Quit from the keyboard --------------------------------------------------------------

struct QuitKeyRow {
    const char* label;
    fw::RectControl& (*focused)(const WinMain&);
    friend std::ostream& operator<<(std::ostream& os, const QuitKeyRow& r) { return os << r.label; }
};

class QuitKeyTest : public ProgramTest, public ::testing::WithParamInterface<QuitKeyRow> {};

TEST_P(QuitKeyTest, CtrlQEndsTheProgramWithZeroAfterTheApplicationClosed) {
    WinMain* calculator = nullptr;
    LoopScript script([&] {
        calculator = &WinMain::Instance();
        QWidget* focused = WidgetOf(GetParam().focused(*calculator));
        ASSERT_TRUE(FocusIn(*calculator, focused));
        QTest::keyClick(focused, Qt::Key_Q, Qt::ControlModifier);
    });
    Main();
    EXPECT_FALSE(script.timedOut);
    // The application's Close hides the calculator window; the window itself stays until the end.
    ASSERT_NE(calculator, nullptr);
    EXPECT_EQ(fw::GetImplicitWindow("WinMain.WinMain"), calculator);
    EXPECT_FALSE(calculator->Visible());
    EXPECT_FALSE(calculator->impl().frame->isVisible());
    fw::RuntimePerformFinalizers();
    EXPECT_EQ(fw::RuntimeExit(), 0);
    EXPECT_TRUE(services.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Focus, QuitKeyTest,
                         ::testing::Values(QuitKeyRow{"OnAButton",
                                                      [](const WinMain& w) -> fw::RectControl& {
                                                          return w.btn_Calculate();
                                                      }},
                                           QuitKeyRow{"InATextField",
                                                      [](const WinMain& w) -> fw::RectControl& {
                                                          return w.txt_loanamount();
                                                      }}),
                         RowName<QuitKeyRow>);

// ---- The Edit items -----------------------------------------------------------------------------

struct EditRow {
    const char* label;
    const char* itemName;
    const char* text;
    const char* typed;  // inserted after the text, as the user types it
    int selectFrom;     // -1: the cursor stays at the end
    int selectLength;
    const char* clipboard;
    const char* expectedText;
    const char* expectedClipboard;
    const char* expectedSelection;
    friend std::ostream& operator<<(std::ostream& os, const EditRow& r) { return os << r.label; }
};

class EditItemTest : public MenuCommandsTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(EditItemTest, ActsOnTheFocusedFieldAndReachesNoHandler) {
    const EditRow& row = GetParam();
    WinMain& calculator = WinMain::Instance();
    EXPECT_FALSE(calculator.HasMenuHandler(row.itemName));
    QLineEdit* field = FieldOf(calculator.txt_interest());
    ASSERT_NE(field, nullptr);
    ASSERT_TRUE(FocusIn(calculator, field));
    field->setText(QString::fromUtf8(row.text));
    field->insert(QString::fromUtf8(row.typed));
    if (row.selectFrom >= 0) {
        field->setSelection(row.selectFrom, row.selectLength);
    }
    QGuiApplication::clipboard()->setText(QString::fromUtf8(row.clipboard));

    QAction* action = MenuAction(calculator, row.itemName);
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();

    EXPECT_EQ(field->text().toStdString(), row.expectedText);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), row.expectedClipboard);
    EXPECT_EQ(field->selectedText().toStdString(), row.expectedSelection);
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(services.urls.empty());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
}

INSTANTIATE_TEST_SUITE_P(
    Items, EditItemTest,
    ::testing::Values(
        EditRow{"UndoTyping", "EditUndo", "12", "5", -1, 0, "x", "12", "x", ""},
        EditRow{"CutSelection", "EditCut", "250000", "", 3, 3, "x", "250", "000", ""},
        EditRow{"CopySelection", "EditCopy", "250000", "", 0, 3, "x", "250000", "250", "250"},
        EditRow{"PasteAtCursor", "EditPaste", "12", "", -1, 0, "34", "1234", "34", ""},
        EditRow{"PasteOverSelection", "EditPaste", "6.5", "", 0, 3, "7.25", "7.25", "7.25", ""},
        EditRow{"DeleteSelection", "EditClear", "30.5", "", 2, 1, "x", "305", "x", ""},
        EditRow{"DeleteWithoutSelection", "EditClear", "360", "", 0, 0, "x", "360", "x", ""},
        EditRow{"SelectAll", "EditSelectAll", "1500", "", 1, 0, "x", "1500", "x", "1500"}),
    RowName<EditRow>);

struct EnabledRow {
    const char* label;
    const char* itemName;
    bool enabledWithoutField;
    friend std::ostream& operator<<(std::ostream& os, const EnabledRow& r) { return os << r.label; }
};

class EnabledTest : public MenuCommandsTest, public ::testing::WithParamInterface<EnabledRow> {};

TEST_P(EnabledTest, EditItemsNeedAFocusedTextField) {
    const EnabledRow& row = GetParam();
    WinMain& calculator = WinMain::Instance();
    QWidget* field = WidgetOf(calculator.txt_term());
    QWidget* button = WidgetOf(calculator.btn_Calculate());
    QAction* action = MenuAction(calculator, row.itemName);
    ASSERT_NE(action, nullptr);

    ASSERT_TRUE(FocusIn(calculator, button));
    EXPECT_EQ(action->isEnabled(), row.enabledWithoutField);
    ASSERT_TRUE(FocusIn(calculator, field));
    EXPECT_TRUE(action->isEnabled());
    ASSERT_TRUE(FocusIn(calculator, button));
    EXPECT_EQ(action->isEnabled(), row.enabledWithoutField);
}

INSTANTIATE_TEST_SUITE_P(Items, EnabledTest,
                         ::testing::Values(EnabledRow{"Undo", "EditUndo", false},
                                           EnabledRow{"Cut", "EditCut", false},
                                           EnabledRow{"Copy", "EditCopy", false},
                                           EnabledRow{"Paste", "EditPaste", false},
                                           EnabledRow{"Delete", "EditClear", false},
                                           EnabledRow{"SelectAll", "EditSelectAll", false},
                                           EnabledRow{"Quit", "FileQuit", true},
                                           EnabledRow{"About", "AboutMenu", true},
                                           EnabledRow{"VisitOurWebsite", "VisitWebsite", true}),
                         RowName<EnabledRow>);

}  // namespace
