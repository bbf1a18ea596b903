// Where a chosen menu command goes: a handler of the window, the standard Edit behaviour on the
// window's focused text field, or the item's own action.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>

#include <gtest/gtest.h>

#include "framework/menus.h"
#include "framework/qt/window_impl.h"
#include "tests/support/program_fixture.h"

namespace {

std::shared_ptr<fw::MenuItem> MakeItem(const fw::ClassInfo& kind, const char* name,
                                       const char* text, const char* shortcut = nullptr) {
    std::shared_ptr<fw::MenuItem> item = fw::RuntimeNewObjectOf<fw::MenuItem>(kind);
    item->SetName(name);
    item->SetAutoEnabled(true);
    item->SetText(text);
    if (shortcut != nullptr) {
        item->SetShortcut(shortcut);
    }
    return item;
}

// A bar with one menu holding the given items.
std::shared_ptr<fw::MenuBar> BarWith(std::initializer_list<std::shared_ptr<fw::MenuItem>> items) {
    auto bar = std::make_shared<fw::MenuBar>();
    auto menu = MakeItem(fw::MenuItem::Lookup(), "EditMenu", "&Edit");
    bar->AddMenu(menu);
    for (const auto& item : items) {
        menu->AddMenu(item);
    }
    return bar;
}

fw::Window& NewWindow(std::shared_ptr<fw::MenuBar> bar) {
    fw::Window& window = fw::ConstructWindow(std::make_unique<fw::Window>());
    window.SetMenuBar(std::move(bar));
    return window;
}

QAction* ActionOf(const fw::Window& window, const char* name) {
    return window.impl().frame->findChild<QAction*>(QString::fromLatin1(name));
}

QLineEdit* FocusedField(const fw::Window& window, const char* text) {
    auto* field = new QLineEdit(QString::fromLatin1(text), window.impl().content);
    field->show();
    window.impl().frame->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.impl().frame.get()));
    field->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([field] { return field->hasFocus(); }));
    return field;
}

using MenusTest = ProgramTest;

enum class Bound { None, Handles, Declines };

struct RouteRow {
    const char* label;
    const char* item;
    Bound handler;
    bool copied;
    bool quits;
};

class RouteTest : public MenusTest, public ::testing::WithParamInterface<RouteRow> {};

TEST_P(RouteTest, WindowHandlerComesBeforeTheStandardBehaviour) {
    const RouteRow& row = GetParam();
    fw::Window& window =
        NewWindow(BarWith({MakeItem(fw::MenuItem::Lookup(), "EditCopy", "&Copy", "Cmd+C"),
                           MakeItem(fw::QuitMenuItem::Lookup(), "FileQuit", "&Quit", "Cmd+Q")}));
    int handled = 0;
    if (row.handler != Bound::None) {
        window.AddMenuHandler(row.item, [&] {
            ++handled;
            return row.handler == Bound::Handles;
        });
    }
    FocusedField(window, "1500")->selectAll();
    QGuiApplication::clipboard()->setText("before");

    ActionOf(window, row.item)->trigger();

    EXPECT_EQ(handled, row.handler == Bound::None ? 0 : 1);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), row.copied ? "1500" : "before");
    EXPECT_EQ(fw::RuntimeIsQuitting(), row.quits);
    EXPECT_EQ(fw::RuntimeExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RouteTest,
    ::testing::Values(RouteRow{"CopyWithoutHandler", "EditCopy", Bound::None, true, false},
                      RouteRow{"CopyHandled", "EditCopy", Bound::Handles, false, false},
                      RouteRow{"CopyDeclined", "EditCopy", Bound::Declines, true, false},
                      RouteRow{"QuitWithoutHandler", "FileQuit", Bound::None, false, true},
                      RouteRow{"QuitHandled", "FileQuit", Bound::Handles, false, false},
                      RouteRow{"QuitDeclined", "FileQuit", Bound::Declines, false, true}),
    [](const auto& info) { return std::string(info.param.label); });

// A disabled item acts on nothing, so the focus decides where an Edit command may go.
TEST_F(MenusTest, EditItemIsEnabledOnlyWhileATextFieldOfItsWindowHasFocus) {
    fw::Window& window =
        NewWindow(BarWith({MakeItem(fw::MenuItem::Lookup(), "EditCut", "Cu&t", "Cmd+X")}));
    QAction* cut = ActionOf(window, "EditCut");
    EXPECT_FALSE(cut->isEnabled());
    QLineEdit* field = FocusedField(window, "360");
    EXPECT_TRUE(cut->isEnabled());
    field->clearFocus();
    EXPECT_FALSE(cut->isEnabled());
}

// Walking the menu bar with the keyboard moves the focus into the bar while the user picks a
// command.
TEST_F(MenusTest, EditItemsKeepTheirFieldWhileTheKeyboardWalksTheBar) {
    fw::Window& window =
        NewWindow(BarWith({MakeItem(fw::MenuItem::Lookup(), "EditPaste", "&Paste", "Cmd+V")}));
    QLineEdit* field = FocusedField(window, "12");
    QGuiApplication::clipboard()->setText("34");
    auto* view = window.impl().frame->findChild<QMenuBar*>();
    view->setFocus(Qt::MenuBarFocusReason);
    ASSERT_TRUE(QTest::qWaitFor([view] { return view->hasFocus(); }));
    QAction* paste = ActionOf(window, "EditPaste");
    EXPECT_TRUE(paste->isEnabled());
    paste->trigger();
    EXPECT_EQ(field->text(), "1234");
}

}  // namespace
