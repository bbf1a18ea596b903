// The calculator's menu bar as its user sees it and chooses from it: menus, captions, shortcuts,
// the Help commands, and the Edit commands acting on the focused field.

#include <QClipboard>
#include <QMenu>
#include <QMenuBar>

#include "tests/support/window_driver.h"

namespace {

using namespace window_driver;
using rows::PrintTo;
using Texts = std::vector<std::string>;

using MenuBarTest = LaunchedTest;

// Each command as "Menu > Caption [Shortcut] (role)", in the order the menus show them.
TEST_F(MenuBarTest, ShowsItsMenusInOrderWithCaptionsAndShortcuts) {
    Texts shown;
    for (QAction* top : FrameOf(WinMain::Instance())->findChild<QMenuBar*>()->actions()) {
        for (QAction* item : top->menu()->actions()) {
            const QString keys = item->shortcut().toString(QKeySequence::PortableText);
            const QAction::MenuRole role = item->menuRole();  // where a Mac moves the item
            shown.push_back((top->text() + " > " + (item->isSeparator() ? "-" : item->text()) +
                             (keys.isEmpty() ? "" : " [" + keys + "]") +
                             (item->isVisible() ? "" : " (hidden)") +
                             (role == QAction::AboutRole  ? " (about)"
                              : role == QAction::QuitRole ? " (quit)"
                                                          : ""))
                                .toStdString());
        }
    }
    EXPECT_EQ(shown,
              (Texts{"&File > &Quit [Ctrl+Q] (quit)", "&Edit > &Undo [Ctrl+Z]", "&Edit > -",
                     "&Edit > Cu&t [Ctrl+X]", "&Edit > &Copy [Ctrl+C]", "&Edit > &Paste [Ctrl+V]",
                     "&Edit > &Delete", "&Edit > -", "&Edit > Select &All [Ctrl+A]",
                     "Help > About (about)", "Help > Visit Our Website"}));
    // The application shows the same bar while no window is open, where a platform does that.
    EXPECT_EQ(App::Instance().MenuBar(), WinMain::Instance().MenuBar());
}

// About each time it is chosen; Visit Our Website at the calculator's address as it is then.
TEST_F(MenuBarTest, HelpCommandsShowTheAboutTextAndOpenTheWebsite) {
    for (const char* item : {"AboutMenu", "VisitWebsite", "AboutMenu"}) {
        MenuAction(WinMain::Instance(), item)->trigger();
    }
    WinMain::Instance().SetWebsiteURL("https://example.org/freeforfun");
    MenuAction(WinMain::Instance(), "VisitWebsite")->trigger();
    EXPECT_EQ(services.messages, Texts(2, kAbout));
    EXPECT_EQ(services.urls, (Texts{kWebsite, "https://example.org/freeforfun"}));
}

// A disabled item acts on nothing, and its shortcut neither; walking the menu bar with the keyboard
// moves the focus into the bar, and the Edit items keep their field meanwhile.
TEST_F(MenuBarTest, EditItemsActOnlyWhileAFieldHasTheFocus) {
    QAction* paste = MenuAction(WinMain::Instance(), "EditPaste");
    FocusIn(WidgetOf(WinMain::Instance().btn_Calculate()));
    EXPECT_FALSE(paste->isEnabled());
    EXPECT_TRUE(MenuAction(WinMain::Instance(), "AboutMenu")->isEnabled());
    QLineEdit* field = EditOf(WinMain::Instance().txt_term());
    FocusIn(field);
    QGuiApplication::clipboard()->setText("0");
    auto* bar = FrameOf(WinMain::Instance())->findChild<QMenuBar*>();
    bar->setFocus(Qt::MenuBarFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([bar] { return bar->hasFocus(); }));
    EXPECT_TRUE(paste->isEnabled());
    paste->trigger();
    EXPECT_EQ(field->text(), "3600");
}

struct EditRow {
    std::string name;
    const char* item;
    const char* text;
    const char* typed;  // inserted after the text, as the user types it
    int selectFrom;     // -1: the cursor stays at the end
    int selectLength;
    const char* clipboard;
    const char* expectedText;
    const char* expectedClipboard;
    const char* expectedSelection;
};

class EditItemTest : public MenuBarTest, public ::testing::WithParamInterface<EditRow> {};

TEST_P(EditItemTest, ActsOnTheFocusedField) {
    const EditRow& row = GetParam();
    QLineEdit* field = EditOf(WinMain::Instance().txt_interest());
    FocusIn(field);
    field->setText(QString::fromUtf8(row.text));
    field->insert(QString::fromUtf8(row.typed));
    if (row.selectFrom >= 0) {
        field->setSelection(row.selectFrom, row.selectLength);
    }
    QGuiApplication::clipboard()->setText(QString::fromUtf8(row.clipboard));
    QAction* action = MenuAction(WinMain::Instance(), row.item);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
    QString shown = field->text();  // with a bar where the cursor stands
    EXPECT_EQ(shown.insert(field->cursorPosition(), '|').toStdString(), row.expectedText);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), row.expectedClipboard);
    EXPECT_EQ(field->selectedText().toStdString(), row.expectedSelection);
    EXPECT_EQ(EditOf(WinMain::Instance().txt_term())->text(), "360");
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(services.urls.empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Items, EditItemTest, ::testing::Values(
    EditRow{"UndoTyping", "EditUndo", "12", "5", -1, 0, "x", "12|", "x", ""},
    EditRow{"CutSelection", "EditCut", "250000", "", 3, 3, "x", "250|", "000", ""},
    EditRow{"CopySelection", "EditCopy", "250000", "", 0, 3, "x", "250|000", "250", "250"},
    EditRow{"PasteOverSelection", "EditPaste", "6.5", "", 0, 3, "7.25", "7.25|", "7.25", ""},
    EditRow{"DeleteSelection", "EditClear", "30.5", "", 2, 1, "x", "30|5", "x", ""},
    EditRow{"DeleteWithNothingSelected", "EditClear", "30.5", "", 2, 0, "x", "30|.5", "x", ""},
    // A break pasted before the text becomes a blank, and the cursor stays after the paste.
    EditRow{"PasteBeforeTextWithABreak", "EditPaste", "6.5", "", 0, 0, "7\r", "7 |6.5", "7\r", ""},
    EditRow{"SelectAll", "EditSelectAll", "1500", "", 1, 0, "x", "1500|", "x", "1500"}),
    RowName<EditRow>);
// clang-format on

}  // namespace
