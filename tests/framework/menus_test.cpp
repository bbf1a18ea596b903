// The framework's menus: finding items in a tree, reading shortcut texts, and where a chosen
// command goes: a handler of the window, the standard Edit behaviour on a text field, or the item's
// own action.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <optional>

#include <gtest/gtest.h>

#include "framework/menus.h"
#include "framework/qt/window_impl.h"
#include "tests/support/program_fixture.h"

namespace {

std::shared_ptr<fw::MenuItem> MakeItem(const fw::ClassInfo& kind, const char* name,
                                       const char* text,
                                       std::optional<const char*> shortcut = std::nullopt) {
    std::shared_ptr<fw::MenuItem> item(static_cast<fw::MenuItem*>(kind.factory().release()));
    item->SetName(name);
    item->SetAutoEnabled(true);
    item->SetText(text);
    if (shortcut) {
        item->SetShortcut(*shortcut);
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
    if (bar) {
        window.SetMenuBar(std::move(bar));
    }
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

struct FindRow {
    const char* label;
    const char* name;
    bool isChild;
    bool isBelow;
    friend std::ostream& operator<<(std::ostream& os, const FindRow& r) { return os << r.label; }
};

class FindTest : public MenusTest, public ::testing::WithParamInterface<FindRow> {};

TEST_P(FindTest, ChildLooksOneLevelDownAndLookupAllLevels) {
    const FindRow& row = GetParam();
    auto bar = BarWith({MakeItem(fw::MenuItem::Lookup(), "EditCopy", "&Copy")});
    EXPECT_EQ(bar->Child(row.name) != nullptr, row.isChild);
    std::shared_ptr<fw::MenuItem> found = bar->Lookup(row.name);
    ASSERT_EQ(found != nullptr, row.isBelow);
    if (found) {
        EXPECT_TRUE(fw::EqualsIgnoringCase(found->Name(), row.name));
    }
}

INSTANTIATE_TEST_SUITE_P(Names, FindTest,
                         ::testing::Values(FindRow{"Menu", "EditMenu", true, true},
                                           FindRow{"ItemOfAMenu", "EditCopy", false, true},
                                           FindRow{"OtherCase", "editcopy", false, true},
                                           FindRow{"Unknown", "EditPaste", false, false}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(MenusTest, AddingNothingIsRefused) {
    fw::MenuItem menu;
    EXPECT_THROW(menu.AddMenu(nullptr), fw::NilObjectException);
    EXPECT_EQ(menu.Count(), 0u);
}

enum class Bound { None, Handles, Declines };

struct RouteRow {
    const char* label;
    const char* item;
    Bound handler;
    bool copied;
    bool quits;
    friend std::ostream& operator<<(std::ostream& os, const RouteRow& r) { return os << r.label; }
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

TEST_F(MenusTest, EditItemWithAHandlerIsEnabledWithoutAField) {
    fw::Window& window =
        NewWindow(BarWith({MakeItem(fw::MenuItem::Lookup(), "EditCopy", "&Copy", "Cmd+C")}));
    QAction* copy = ActionOf(window, "EditCopy");
    EXPECT_FALSE(copy->isEnabled());
    window.AddMenuHandler("EditCopy", [] { return true; });
    emit window.impl().frame->findChild<QMenu*>("EditMenu")->aboutToShow();
    EXPECT_TRUE(copy->isEnabled());
}

TEST_F(MenusTest, EditItemsLeaveTheFieldsOfOtherWindowsAlone) {
    fw::Window& withBar =
        NewWindow(BarWith({MakeItem(fw::MenuItem::Lookup(), "EditCut", "Cu&t", "Cmd+X")}));
    fw::Window& other = NewWindow(nullptr);
    QLineEdit* field = FocusedField(other, "360");
    QAction* cut = ActionOf(withBar, "EditCut");
    EXPECT_FALSE(cut->isEnabled());
    cut->trigger();
    EXPECT_EQ(field->text(), "360");
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
