// The shared menu bar: its tree, the order in which it is built, its accessor, and how the
// calculator window shows it.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/main_menu_bar.h"
#include "app/startup.h"
#include "calculator/win_main.h"
#include "framework/qt/window_impl.h"
#include "tests/support/program_fixture.h"

namespace {

using MenuBarTest = ProgramTest;

struct TreeRow {
    const char* label;  // the item's name
    const char* menu;   // "" for a top-level menu
    std::size_t place;  // counted from 1
    const fw::ClassInfo& (*kind)();
    const char* text;
    const char* shortcut;  // nullptr: never assigned
    friend std::ostream& operator<<(std::ostream& os, const TreeRow& r) { return os << r.label; }
};

template <class Row>
std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    return info.param.label;
}

const fw::ClassInfo& Plain() {
    return fw::MenuItem::Lookup();
}

const TreeRow kTree[] = {
    {"FileMenu", "", 1, Plain, "&File", ""},
    {"FileQuit", "FileMenu", 1, fw::QuitMenuItem::Lookup, "&Quit", "Cmd+Q"},
    {"EditMenu", "", 2, Plain, "&Edit", ""},
    {"EditUndo", "EditMenu", 1, Plain, "&Undo", "Cmd+Z"},
    {"EditSeparator1", "EditMenu", 2, Plain, "-", nullptr},
    {"EditCut", "EditMenu", 3, Plain, "Cu&t", "Cmd+X"},
    {"EditCopy", "EditMenu", 4, Plain, "&Copy", "Cmd+C"},
    {"EditPaste", "EditMenu", 5, Plain, "&Paste", "Cmd+V"},
    {"EditClear", "EditMenu", 6, Plain, "&Delete", ""},
    {"EditSeparator2", "EditMenu", 7, Plain, "-", nullptr},
    {"EditSelectAll", "EditMenu", 8, Plain, "Select &All", "Cmd+A"},
    {"HelpMenu", "", 3, Plain, "Help", ""},
    {"AboutMenu", "HelpMenu", 1, fw::ApplicationMenuItem::Lookup, "About", ""},
    {"VisitWebsite", "HelpMenu", 2, Plain, "Visit Our Website", nullptr},
};

class TreeTest : public MenuBarTest, public ::testing::WithParamInterface<TreeRow> {};

TEST_P(TreeTest, ItemStandsInItsPlaceAsDesigned) {
    const TreeRow& row = GetParam();
    std::shared_ptr<MainMenuBar> bar = MainMenuBar::Instance();
    std::shared_ptr<fw::MenuItem> parent = *row.menu ? bar->Child(row.menu) : bar;
    ASSERT_NE(parent, nullptr);
    std::shared_ptr<fw::MenuItem> item = parent->Item(row.place - 1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Name(), row.label);
    EXPECT_EQ(&item->Class(), &row.kind());
    EXPECT_EQ(item->Text(), row.text);
    EXPECT_EQ(item->ShortcutAssigned(), row.shortcut != nullptr);
    EXPECT_EQ(item->Shortcut(), row.shortcut != nullptr ? row.shortcut : "");
    EXPECT_TRUE(item->AutoEnabled());
    EXPECT_TRUE(item->Visible());
}

INSTANTIATE_TEST_SUITE_P(Items, TreeTest, ::testing::ValuesIn(kTree), RowName<TreeRow>);

TEST_F(MenuBarTest, HoldsThreeMenusOfOneEightAndTwoItems) {
    std::shared_ptr<MainMenuBar> bar = MainMenuBar::Instance();
    ASSERT_EQ(bar->Count(), 3u);
    EXPECT_EQ(bar->Item(0)->Count(), 1u);
    EXPECT_EQ(bar->Item(1)->Count(), 8u);
    EXPECT_EQ(bar->Item(2)->Count(), 2u);
    for (std::size_t m = 0; m < bar->Count(); ++m) {
        for (std::size_t i = 0; i < bar->Item(m)->Count(); ++i) {
            EXPECT_EQ(bar->Item(m)->Item(i)->Count(), 0u) << bar->Item(m)->Item(i)->Name();
        }
    }
}

// Each row is made, named, flagged, captioned, shown, given its shortcut and attached, in that
// order; an item finds its menu by name afresh.
TEST_F(MenuBarTest, BuildsEachRowInItsFixedSteps) {
    std::vector<std::string> expected = {"MenuItem.New"};  // the bar itself
    for (const TreeRow& row : kTree) {
        expected.insert(expected.end(),
                        {"MenuItem.New", "MenuItem.Constructor", "MenuItem.Name",
                         "MenuItem.AutoEnabled", "MenuItem.Text", "MenuItem.Visible"});
        if (row.shortcut != nullptr) {
            expected.push_back("MenuItem.Shortcut");
        }
        if (*row.menu) {
            expected.push_back("MenuItem.Child");
        }
        expected.push_back("MenuItem.AddMenu");
    }
    std::vector<std::string> operations;
    fw::SetUiOperationHook([&](const char* op) { operations.emplace_back(op); });
    MainMenuBar::Instance();
    EXPECT_EQ(operations, expected);
}

TEST_F(MenuBarTest, SecondReferenceGivesTheSameBarAndBuildsNothing) {
    std::shared_ptr<MainMenuBar> first = MainMenuBar::Instance();
    int operations = 0;
    fw::SetUiOperationHook([&](const char*) { ++operations; });
    EXPECT_EQ(MainMenuBar::Instance(), first);
    EXPECT_EQ(operations, 0);
    EXPECT_EQ(first->Count(), 3u);
    EXPECT_EQ(first->Child("EditMenu")->Count(), 8u);
}

TEST_F(MenuBarTest, ApplicationAndCalculatorWindowShareTheBar) {
    EarlyStartup();
    fw::RunFrameworkInitialization(&LateStartup);
    std::shared_ptr<fw::MenuBar> bar = MainMenuBar::Instance();
    EXPECT_EQ(App::Instance().MenuBar(), bar);
    EXPECT_EQ(WinMain::Instance().MenuBar(), bar);
}

struct FailureRow {
    const char* label;
    const char* operation;
    int occurrence;
    friend std::ostream& operator<<(std::ostream& os, const FailureRow& r) { return os << r.label; }
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
    EXPECT_EQ(bar->Item(0)->Count(), 1u);
    EXPECT_EQ(bar->Item(1)->Count(), 8u);
    EXPECT_EQ(bar->Item(2)->Count(), 2u);
    EXPECT_EQ(MainMenuBar::Instance(), bar);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, BuildFailureTest,
    ::testing::Values(FailureRow{"MakingTheBar", "MenuItem.New", 1},
                      FailureRow{"NamingTheFileMenu", "MenuItem.Name", 1},
                      FailureRow{"QuitShortcut", "MenuItem.Shortcut", 2},
                      FailureRow{"FindingTheEditMenu", "MenuItem.Child", 2},
                      FailureRow{"CaptioningCopy", "MenuItem.Text", 7},
                      FailureRow{"AttachingTheHelpMenu", "MenuItem.AddMenu", 12},
                      FailureRow{"AttachingTheLastItem", "MenuItem.AddMenu", 14}),
    RowName<FailureRow>);

// ---- The calculator window's view of the bar --------------------------------------------------

struct AccessorRow {
    const char* label;
    std::shared_ptr<fw::MenuItem> (*get)(const WinMain&);
    friend std::ostream& operator<<(std::ostream& os, const AccessorRow& r) {
        return os << r.label;
    }
};

#define ACCESSOR(Name)                                                                      \
    AccessorRow {                                                                           \
#Name, [](const WinMain& w) -> std::shared_ptr < fw::MenuItem> { return w.Name(); } \
    }

// The calculator window, built at start-up with the shared bar installed.
class CalculatorBarTest : public MenuBarTest {
  protected:
    void SetUp() override {
        MenuBarTest::SetUp();
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
    }
};

class AccessorTest : public CalculatorBarTest, public ::testing::WithParamInterface<AccessorRow> {};

TEST_P(AccessorTest, FindsItsItemInTheWindowsBar) {
    const AccessorRow& row = GetParam();
    std::shared_ptr<fw::MenuItem> item = row.get(WinMain::Instance());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item, MainMenuBar::Instance()->Lookup(row.label));
}

TEST_P(AccessorTest, RefusesAWindowWithoutABar) {
    WinMain unbuilt;
    EXPECT_THROW(GetParam().get(unbuilt), fw::NilObjectException);
}

INSTANTIATE_TEST_SUITE_P(Items, AccessorTest,
                         ::testing::Values(ACCESSOR(HelpMenu), ACCESSOR(VisitWebsite),
                                           ACCESSOR(AboutMenu), ACCESSOR(EditMenu),
                                           ACCESSOR(EditSelectAll), ACCESSOR(EditSeparator2),
                                           ACCESSOR(EditClear), ACCESSOR(EditPaste),
                                           ACCESSOR(EditCopy), ACCESSOR(EditCut),
                                           ACCESSOR(EditSeparator1), ACCESSOR(EditUndo),
                                           ACCESSOR(FileMenu), ACCESSOR(FileQuit)),
                         RowName<AccessorRow>);
#undef ACCESSOR

struct ActionRow {
    const char* label;  // the item's name
    const char* menu;
    const char* caption;  // "-": a separator
    QKeySequence keys;
    QAction::MenuRole role;
    friend std::ostream& operator<<(std::ostream& os, const ActionRow& r) { return os << r.label; }
};

class WindowActionTest : public CalculatorBarTest,
                         public ::testing::WithParamInterface<ActionRow> {};

TEST_P(WindowActionTest, ShowsTheItemAsOneAction) {
    const ActionRow& row = GetParam();
    QWidget* frame = WinMain::Instance().impl().frame.get();
    auto* menu = frame->findChild<QMenu*>(QString::fromLatin1(row.menu));
    ASSERT_NE(menu, nullptr);
    auto* action = frame->findChild<QAction*>(QString::fromLatin1(row.label));
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(menu->actions().contains(action));
    EXPECT_EQ(action->isSeparator(), std::string_view(row.caption) == "-");
    if (!action->isSeparator()) {
        EXPECT_EQ(action->text().toStdString(), row.caption);
    }
    EXPECT_EQ(action->shortcut(), row.keys);
    EXPECT_EQ(action->menuRole(), row.role);
    EXPECT_TRUE(action->isVisible());
}

using QAR = QAction::MenuRole;
INSTANTIATE_TEST_SUITE_P(
    Items, WindowActionTest,
    ::testing::Values(
        ActionRow{"FileQuit", "FileMenu", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q),
                  QAR::QuitRole},
        ActionRow{"EditUndo", "EditMenu", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), QAR::NoRole},
        ActionRow{"EditSeparator1", "EditMenu", "-", QKeySequence(), QAR::NoRole},
        ActionRow{"EditCut", "EditMenu", "Cu&t", QKeySequence(Qt::CTRL | Qt::Key_X), QAR::NoRole},
        ActionRow{"EditCopy", "EditMenu", "&Copy", QKeySequence(Qt::CTRL | Qt::Key_C), QAR::NoRole},
        ActionRow{"EditPaste", "EditMenu", "&Paste", QKeySequence(Qt::CTRL | Qt::Key_V),
                  QAR::NoRole},
        ActionRow{"EditClear", "EditMenu", "&Delete", QKeySequence(), QAR::NoRole},
        ActionRow{"EditSeparator2", "EditMenu", "-", QKeySequence(), QAR::NoRole},
        ActionRow{"EditSelectAll", "EditMenu", "Select &All", QKeySequence(Qt::CTRL | Qt::Key_A),
                  QAR::NoRole},
        ActionRow{"AboutMenu", "HelpMenu", "About", QKeySequence(), QAR::AboutRole},
        ActionRow{"VisitWebsite", "HelpMenu", "Visit Our Website", QKeySequence(), QAR::NoRole}),
    RowName<ActionRow>);

TEST_F(CalculatorBarTest, WindowShowsOneBarWithFileEditAndHelp) {
    QWidget* frame = WinMain::Instance().impl().frame.get();
    const QList<QMenuBar*> bars = frame->findChildren<QMenuBar*>();
    ASSERT_EQ(bars.size(), 1);
    QStringList titles;
    for (QAction* action : bars[0]->actions()) {
        titles << action->text();
    }
    EXPECT_EQ(titles, QStringList({"&File", "&Edit", "Help"}));
}

}  // namespace
