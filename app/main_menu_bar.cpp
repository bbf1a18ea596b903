#include "app/main_menu_bar.h"

#include <optional>
#include <string_view>

#include "framework/runtime.h"

namespace {

std::shared_ptr<MainMenuBar> implicitInstance;

const fw::InitializerRegistration classRegistration(fw::InitStage::ProgramClasses,
                                                    "MainMenuBar.MainMenuBar", [] {
                                                        fw::RegisterClass(MainMenuBar::Lookup());
                                                    });

// The shared bar starts empty in every run and is released when the run ends.
const fw::InitializerRegistration instanceProperty(fw::InitStage::ModuleProperties,
                                                   "MainMenuBar.implicitInstance", [] {
                                                       implicitInstance.reset();
                                                       fw::RuntimeRegisterFinalizer(
                                                           [] { implicitInstance.reset(); });
                                                   });

// One row of the menu tree. An item without a shortcut value never has its shortcut assigned.
struct Row {
    const fw::ClassInfo& kind;
    std::string_view name;
    std::string_view text;
    std::optional<std::string_view> shortcut;
};

// Makes the row's item, sets its properties in their fixed order and attaches it: a top-level menu
// to the bar, an item to its menu, looked up afresh by name.
void AddRow(fw::MenuBar& bar, std::string_view menuName, const Row& row) {
    std::shared_ptr<fw::MenuItem> item = fw::RuntimeNewObjectOf<fw::MenuItem>(row.kind);
    item->Constructor();
    item->SetName(row.name);
    item->SetAutoEnabled(true);
    item->SetText(row.text);
    item->SetVisible(true);
    if (row.shortcut) {
        item->SetShortcut(*row.shortcut);
    }
    if (menuName.empty()) {
        bar.AddMenu(std::move(item));
        return;
    }
    std::shared_ptr<fw::MenuItem> menu = bar.Child(menuName);
    if (!menu) {
        throw fw::NilObjectException("The menu bar has no menu named " + std::string(menuName));
    }
    menu->AddMenu(std::move(item));
}

void BuildMenu(fw::MenuBar& bar, std::initializer_list<Row> rows) {
    std::string_view menuName;
    for (const Row& row : rows) {
        AddRow(bar, menuName, row);
        if (menuName.empty()) {
            menuName = row.name;  // the first row is the menu, the rest are its items
        }
    }
}

const fw::ClassInfo& Plain() {
    return fw::MenuItem::Lookup();
}

}  // namespace

const fw::ClassInfo& MainMenuBar::Lookup() {
    static const fw::ClassInfo info{"MainMenuBar.MainMenuBar", &fw::MenuBar::Lookup(), {}, {}, {}};
    return info;
}

std::shared_ptr<MainMenuBar> MainMenuBar::Instance() {
    if (!implicitInstance) {
        auto bar = std::make_shared<MainMenuBar>();
        bar->Constructor();
        implicitInstance = std::move(bar);
    }
    return implicitInstance;
}

void MainMenuBar::Constructor() {
    Untitled0();
    Untitled1();
    Untitled2();
}

void MainMenuBar::Untitled0() {
    BuildMenu(*this, {
                         {Plain(), "FileMenu", "&File", ""},
                         {fw::QuitMenuItem::Lookup(), "FileQuit", "&Quit", "Cmd+Q"},
                     });
}

void MainMenuBar::Untitled1() {
    BuildMenu(*this, {
                         {Plain(), "EditMenu", "&Edit", ""},
                         {Plain(), "EditUndo", "&Undo", "Cmd+Z"},
                         {Plain(), "EditSeparator1", "-", std::nullopt},
                         {Plain(), "EditCut", "Cu&t", "Cmd+X"},
                         {Plain(), "EditCopy", "&Copy", "Cmd+C"},
                         {Plain(), "EditPaste", "&Paste", "Cmd+V"},
                         {Plain(), "EditClear", "&Delete", ""},
                         {Plain(), "EditSeparator2", "-", std::nullopt},
                         {Plain(), "EditSelectAll", "Select &All", "Cmd+A"},
                     });
}

void MainMenuBar::Untitled2() {
    BuildMenu(*this, {
                         {Plain(), "HelpMenu", "Help", ""},
                         {fw::ApplicationMenuItem::Lookup(), "AboutMenu", "About", ""},
                         {Plain(), "VisitWebsite", "Visit Our Website", std::nullopt},
                     });
}
