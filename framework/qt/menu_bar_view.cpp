// Shows a window's menu tree as a toolkit menu bar and routes every chosen item, by name, to the
// handler a window bound under that name. The standard Edit items act on the focused text field
// when no window handles them.

#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <algorithm>
#include <iterator>

#include "framework/menus.h"
#include "framework/qt/convert.h"
#include "framework/qt/window_impl.h"

namespace fw {

namespace {

// "Cmd+Q" means Command on macOS and Control elsewhere. The toolkit already shows Ctrl as Command
// on macOS, and it does not know the word "Cmd", so the shortcut is always written with Ctrl.
QKeySequence ToKeySequence(const std::string& shortcut) {
    QString text = ToQString(shortcut);
    if (text.startsWith(QLatin1String("Cmd+"), Qt::CaseInsensitive)) {
        text.replace(0, 3, QStringLiteral("Ctrl"));
    }
    return QKeySequence(text, QKeySequence::PortableText);
}

// ---- The standard Edit commands -----------------------------------------------------------------

struct EditCommand {
    const char* itemName;
    bool changesText;
    void (*run)(QLineEdit& field);
};

const EditCommand kEditCommands[] = {
    {"EditUndo", true, [](QLineEdit& f) { f.undo(); }},
    {"EditCut", true, [](QLineEdit& f) { f.cut(); }},
    {"EditCopy", false, [](QLineEdit& f) { f.copy(); }},
    {"EditPaste", true, [](QLineEdit& f) { f.paste(); }},
    // Delete removes the selection only; with nothing selected it leaves the text alone.
    {"EditClear", true,
     [](QLineEdit& f) {
         if (f.hasSelectedText()) {
             f.del();
         }
     }},
    {"EditSelectAll", false, [](QLineEdit& f) { f.selectAll(); }},
};

const EditCommand* FindEditCommand(const std::string& itemName) {
    auto it = std::find_if(std::begin(kEditCommands), std::end(kEditCommands),
                           [&](const EditCommand& c) { return itemName == c.itemName; });
    return it == std::end(kEditCommands) ? nullptr : &*it;
}

// The text field the Edit commands act on. Keyboard navigation of a menu bar takes the focus
// away from the field while the user picks a command, so the field is remembered while the focus
// sits in a menu.
QPointer<QLineEdit>& EditTarget() {
    static QPointer<QLineEdit> field;
    return field;
}

bool IsInMenu(const QWidget* focus) {
    if (focus == nullptr) {
        return QApplication::activePopupWidget() != nullptr;
    }
    return qobject_cast<const QMenuBar*>(focus) != nullptr ||
           qobject_cast<const QMenu*>(focus) != nullptr;
}

void TrackFocusedField() {
    static bool tracking = false;
    if (tracking) {
        return;
    }
    tracking = true;
    auto follow = [](QWidget* now) {
        if (auto* field = qobject_cast<QLineEdit*>(now)) {
            EditTarget() = field;
        } else if (!IsInMenu(now)) {
            EditTarget() = nullptr;
        }
    };
    follow(QApplication::focusWidget());
    QObject::connect(qApp, &QApplication::focusChanged, qApp,
                     [follow](QWidget*, QWidget* now) { follow(now); });
}

// The field an Edit command of this bar acts on: in a bar inside a window, only a field of that
// window.
QLineEdit* FocusedField(const QMenuBar* view, const Window* owner) {
    QLineEdit* field = EditTarget();
    if (field == nullptr || !field->isVisible()) {
        return nullptr;
    }
    if (owner != nullptr && field->window() != view->window()) {
        return nullptr;
    }
    return field;
}

// ---- Routing ------------------------------------------------------------------------------------

// The window a command goes to: the bar's own window, or for a bar shown without a window, the
// newest window that bound a handler under the item's name.
Window* CommandTarget(Window* owner, const std::string& itemName) {
    if (owner != nullptr) {
        return owner;
    }
    for (std::size_t i = WindowCount(); i-- > 0;) {
        if (WindowAt(i).HasMenuHandler(itemName)) {
            return &WindowAt(i);
        }
    }
    return nullptr;
}

void Choose(QMenuBar* view, Window* owner, const std::shared_ptr<MenuItem>& item) {
    QPointer<QMenuBar> guard(view);
    Dispatch([guard, owner, item] {
        Window* target = CommandTarget(owner, item->Name());
        if (target != nullptr && target->HandleMenuCommand(item->Name())) {
            return;
        }
        if (const EditCommand* edit = FindEditCommand(item->Name())) {
            QLineEdit* field = guard ? FocusedField(guard, owner) : nullptr;
            if (field != nullptr && !(edit->changesText && field->isReadOnly())) {
                edit->run(*field);
            }
            return;
        }
        item->Action();
    });
}

// An automatically enabled Edit item is enabled while it has a text field to act on or a window
// handles it; every other item stays enabled.
void UpdateEnabled(QMenuBar* view, Window* owner) {
    const bool hasField = FocusedField(view, owner) != nullptr;
    for (QAction* action : view->findChildren<QAction*>()) {
        const std::string name = FromQString(action->objectName());
        if (action->property("fwAutoEnabled").toBool() && FindEditCommand(name) != nullptr) {
            Window* target = CommandTarget(owner, name);
            action->setEnabled(hasField || (target != nullptr && target->HasMenuHandler(name)));
        }
    }
}

// ---- Building -----------------------------------------------------------------------------------

void AddItems(QMenuBar* view, Window* owner, QMenu* menu, const MenuItem& parent) {
    QObject::connect(menu, &QMenu::aboutToShow, view,
                     [view, owner] { UpdateEnabled(view, owner); });
    for (std::size_t i = 0; i < parent.Count(); ++i) {
        std::shared_ptr<MenuItem> item = parent.Item(i);
        if (item->IsSeparator()) {
            QAction* separator = menu->addSeparator();
            separator->setObjectName(ToQString(item->Name()));
            separator->setMenuRole(QAction::NoRole);
            continue;
        }
        if (item->Count() > 0) {
            AddItems(view, owner, menu->addMenu(ToQString(item->Text())), *item);
            continue;
        }
        QAction* action = menu->addAction(ToQString(item->Text()));
        action->setObjectName(ToQString(item->Name()));
        action->setProperty("fwAutoEnabled", item->AutoEnabled());
        action->setVisible(item->Visible());
        if (item->ShortcutAssigned()) {
            action->setShortcut(ToKeySequence(item->Shortcut()));
        }
        // Only the two commands a platform may move get a role; Qt's default guesses from the
        // caption would move others too.
        if (item->Class().IsKindOf(QuitMenuItem::Lookup())) {
            action->setMenuRole(QAction::QuitRole);
        } else if (item->Class().IsKindOf(ApplicationMenuItem::Lookup())) {
            action->setMenuRole(QAction::AboutRole);
        } else {
            action->setMenuRole(QAction::NoRole);
        }
        QObject::connect(action, &QAction::triggered, action,
                         [view, owner, item] { Choose(view, owner, item); });
    }
}

void Populate(QMenuBar* view, Window* owner, const MenuBar& bar) {
    TrackFocusedField();
    for (std::size_t i = 0; i < bar.Count(); ++i) {
        std::shared_ptr<MenuItem> top = bar.Item(i);
        QMenu* menu = view->addMenu(ToQString(top->Text()));
        menu->setObjectName(ToQString(top->Name()));
        menu->menuAction()->setVisible(top->Visible());
        AddItems(view, owner, menu, *top);
    }
    // Shortcuts of disabled items do nothing, so the state follows the focus, not only the menus.
    // The field tracker was connected first, so this sees the field it has just recorded.
    QObject::connect(qApp, &QApplication::focusChanged, view,
                     [view, owner] { UpdateEnabled(view, owner); });
    UpdateEnabled(view, owner);
}

}  // namespace

QWidget* BuildApplicationShortcuts(Window& window, const std::shared_ptr<MenuBar>& bar) {
#ifdef Q_OS_MACOS
    (void)window;
    (void)bar;
    return nullptr;
#else
    if (!bar) {
        return nullptr;
    }
    // A bar that is never shown holds the actions, so its menus answer no key: the frame answers
    // the shortcuts, and only while its own window is the active one.
    auto* hidden = new QMenuBar(nullptr);
    Populate(hidden, nullptr, *bar);
    for (QAction* action : hidden->findChildren<QAction*>()) {
        if (!action->shortcut().isEmpty()) {
            window.impl().frame->addAction(action);
        }
    }
    return hidden;
#endif
}

QWidget* BuildMenuBarView(Window& window, const std::shared_ptr<MenuBar>& bar) {
    if (!bar) {
        return nullptr;
    }
#ifdef Q_OS_MACOS
    // The system shows one menu bar for the whole program, also while no window is in front:
    // build it once per tree and route its commands to the windows that bound handlers.
    static std::shared_ptr<MenuBar> shownTree;
    static QMenuBar* global = nullptr;
    if (shownTree != bar) {
        delete global;
        global = new QMenuBar(nullptr);
        Populate(global, nullptr, *bar);
        shownTree = bar;
    }
    (void)window;
    return nullptr;
#else
    auto* view = new QMenuBar(window.impl().frame.get());
    Populate(view, &window, *bar);
    return view;
#endif
}

}  // namespace fw
