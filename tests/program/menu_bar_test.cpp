// The shared menu bar and the calculator window's menu commands: the tree, its accessor, its
// bindings, what each command does, File > Quit from the keyboard, and the Edit items, which no
// handler of the program takes.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/main_menu_bar.h"
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

// Brings the window to the front, as a click on it does, and gives the widget the keyboard focus.
bool FocusIn(const fw::Window& window, QWidget* widget) {
    QWidget* frame = window.impl().frame.get();
    frame->activateWindow();
    widget->setFocus();
    return QTest::qWaitForWindowActive(frame) &&
           QTest::qWaitFor([widget] { return QApplication::focusWidget() == widget; });
}

using MenuBarTest = ProgramTest;

// The program after start-up, with its calculator window and the shared bar.
class CalculatorMenuTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
    }
};

// ---- The tree -----------------------------------------------------------------------------------

struct TreeRow {
    const char* label;  // the item's name
    const char* menu;   // "" for a top-level menu
    std::size_t place;  // counted from 1
    std::size_t items;
    const fw::ClassInfo& (*kind)();
    const char* text;
    const char* shortcut;  // nullptr: never assigned
};

const fw::ClassInfo& Plain() {
    return fw::MenuItem::Lookup();
}

class TreeTest : public MenuBarTest, public ::testing::WithParamInterface<TreeRow> {};

TEST_P(TreeTest, ItemStandsInItsPlaceAsDesigned) {
    const TreeRow& row = GetParam();
    std::shared_ptr<MainMenuBar> bar = MainMenuBar::Instance();
    std::shared_ptr<fw::MenuItem> parent = *row.menu ? bar->Child(row.menu) : bar;
    ASSERT_NE(parent, nullptr);
    std::shared_ptr<fw::MenuItem> item = parent->Item(row.place - 1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Name(), row.label);
    EXPECT_EQ(item->Count(), row.items);
    EXPECT_EQ(&item->Class(), &row.kind());
    EXPECT_EQ(item->Text(), row.text);
    EXPECT_EQ(item->ShortcutAssigned(), row.shortcut != nullptr);
    EXPECT_EQ(item->Shortcut(), row.shortcut != nullptr ? row.shortcut : "");
    EXPECT_TRUE(item->AutoEnabled());
    EXPECT_TRUE(item->Visible());
}

INSTANTIATE_TEST_SUITE_P(
    Items, TreeTest,
    ::testing::Values(
        TreeRow{"FileMenu", "", 1, 1, Plain, "&File", ""},
        TreeRow{"FileQuit", "FileMenu", 1, 0, fw::QuitMenuItem::Lookup, "&Quit", "Cmd+Q"},
        TreeRow{"EditMenu", "", 2, 8, Plain, "&Edit", ""},
        TreeRow{"EditUndo", "EditMenu", 1, 0, Plain, "&Undo", "Cmd+Z"},
        TreeRow{"EditSeparator1", "EditMenu", 2, 0, Plain, "-", nullptr},
        TreeRow{"EditCut", "EditMenu", 3, 0, Plain, "Cu&t", "Cmd+X"},
        TreeRow{"EditCopy", "EditMenu", 4, 0, Plain, "&Copy", "Cmd+C"},
        TreeRow{"EditPaste", "EditMenu", 5, 0, Plain, "&Paste", "Cmd+V"},
        TreeRow{"EditClear", "EditMenu", 6, 0, Plain, "&Delete", ""},
        TreeRow{"EditSeparator2", "EditMenu", 7, 0, Plain, "-", nullptr},
        TreeRow{"EditSelectAll", "EditMenu", 8, 0, Plain, "Select &All", "Cmd+A"},
        TreeRow{"HelpMenu", "", 3, 2, Plain, "Help", ""},
        TreeRow{"AboutMenu", "HelpMenu", 1, 0, fw::ApplicationMenuItem::Lookup, "About", ""},
        TreeRow{"VisitWebsite", "HelpMenu", 2, 0, Plain, "Visit Our Website", nullptr}),
    RowName<TreeRow>);

TEST_F(MenuBarTest, SecondReferenceGivesTheSameBarAndBuildsNothing) {
    std::shared_ptr<MainMenuBar> first = MainMenuBar::Instance();
    int operations = 0;
    fw::SetUiOperationHook([&](const char*) { ++operations; });
    EXPECT_EQ(MainMenuBar::Instance(), first);
    EXPECT_EQ(operations, 0);
    EXPECT_EQ(first->Count(), 3u);
}

TEST_F(CalculatorMenuTest, ApplicationAndCalculatorWindowShareTheBar) {
    std::shared_ptr<fw::MenuBar> bar = MainMenuBar::Instance();
    EXPECT_EQ(App::Instance().MenuBar(), bar);
    EXPECT_EQ(WinMain::Instance().MenuBar(), bar);
}

struct FailureRow {
    const char* label;
    const char* operation;
    int occurrence;
};

class BuildFailureTest : public MenuBarTest, public ::testing::WithParamInterface<FailureRow> {};

TEST_P(BuildFailureTest, StoresNothingAndTheNextReferenceBuildsAWholeBar) {
    const FailureRow& row = GetParam();
    int seen = 0;
    fw::SetUiOperationHook([&](const char* op) {
        if (std::string_view(op) == row.operation && ++seen == row.occurrence) {
            throw fw::RuntimeException("menu building failed");
        }
    });
    EXPECT_THROW(MainMenuBar::Instance(), fw::RuntimeException);

    int made = 0;
    fw::SetUiOperationHook([&](const char* op) { made += std::string_view(op) == "MenuItem.New"; });
    std::shared_ptr<MainMenuBar> bar = MainMenuBar::Instance();
    EXPECT_EQ(made, 15);  // the bar and its fourteen items, all new
    ASSERT_EQ(bar->Count(), 3u);
    EXPECT_EQ(bar->Item(1)->Count(), 8u);
}

INSTANTIATE_TEST_SUITE_P(Steps, BuildFailureTest,
                         ::testing::Values(FailureRow{"MakingTheBar", "MenuItem.New", 1},
                                           FailureRow{"QuitShortcut", "MenuItem.Shortcut", 2},
                                           FailureRow{"AttachingTheLastItem", "MenuItem.AddMenu",
                                                      14}),
                         RowName<FailureRow>);

// ---- The calculator window's commands -----------------------------------------------------------

TEST_F(MenuBarTest, BindingFailureAtFileQuitKeepsAboutBoundAndBindsNoMore) {
    int calls = 0;
    fw::SetUiOperationHook([&](const char* op) {
        if (std::string_view(op) == "Window.AddMenuHandler" && ++calls == 2) {
            throw fw::RuntimeException("binding failed");
        }
    });
    WinMain window;
    EXPECT_THROW(window.AddMenuHandlers(window), fw::RuntimeException);
    EXPECT_TRUE(window.HasMenuHandler("AboutMenu"));
    EXPECT_FALSE(window.HasMenuHandler("FileQuit"));
    EXPECT_FALSE(window.HasMenuHandler("VisitWebsite"));
}

TEST_F(CalculatorMenuTest, AboutShowsItsTextEachTimeItIsChosen) {
    QAction* about = MenuAction(WinMain::Instance(), "AboutMenu");
    ASSERT_NE(about, nullptr);
    about->trigger();
    about->trigger();
    EXPECT_EQ(services.messages, std::vector<std::string>(2, "About App Info Here"));
}

TEST_F(CalculatorMenuTest, VisitOurWebsiteOpensTheCalculatorsWebsiteURL) {
    WinMain::Instance().SetWebsiteURL("https://example.org/freeforfun");
    QAction* visit = MenuAction(WinMain::Instance(), "VisitWebsite");
    ASSERT_NE(visit, nullptr);
    visit->trigger();
    EXPECT_EQ(services.urls, std::vector<std::string>{"https://example.org/freeforfun"});
}

TEST_F(MenuBarTest, CtrlQInATextFieldEndsTheProgramWithZeroAfterTheApplicationClosed) {
    WinMain* calculator = nullptr;
    LoopScript script([&] {
        calculator = &WinMain::Instance();
        QWidget* field = calculator->txt_loanamount().impl().widget.data();
        ASSERT_TRUE(FocusIn(*calculator, field));
        QTest::keyClick(field, Qt::Key_Q, Qt::ControlModifier);
    });
    Main();
    EXPECT_FALSE(script.timedOut);
    // The application's Close hides the calculator window; the window itself stays until the end.
    ASSERT_NE(calculator, nullptr);
    EXPECT_FALSE(calculator->Visible());
    fw::RuntimePerformFinalizers();
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

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
};

class EditItemTest : public CalculatorMenuTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(EditItemTest, ActsOnTheFocusedFieldAndReachesNoHandler) {
    const EditRow& row = GetParam();
    WinMain& calculator = WinMain::Instance();
    EXPECT_FALSE(calculator.HasMenuHandler(row.itemName));
    auto* field = qobject_cast<QLineEdit*>(calculator.txt_interest().impl().widget.data());
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
}

INSTANTIATE_TEST_SUITE_P(
    Items, EditItemTest,
    ::testing::Values(
        EditRow{"UndoTyping", "EditUndo", "12", "5", -1, 0, "x", "12", "x", ""},
        EditRow{"CutSelection", "EditCut", "250000", "", 3, 3, "x", "250", "000", ""},
        EditRow{"CopySelection", "EditCopy", "250000", "", 0, 3, "x", "250000", "250", "250"},
        EditRow{"PasteOverSelection", "EditPaste", "6.5", "", 0, 3, "7.25", "7.25", "7.25", ""},
        EditRow{"DeleteSelection", "EditClear", "30.5", "", 2, 1, "x", "305", "x", ""},
        EditRow{"SelectAll", "EditSelectAll", "1500", "", 1, 0, "x", "1500", "x", "1500"}),
    RowName<EditRow>);

}  // namespace
