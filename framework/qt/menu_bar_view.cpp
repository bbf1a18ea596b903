// Shows a window's menu tree as a toolkit menu bar and routes every chosen item, by name, to the
// handler the window bound under that name.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "framework/menus.h"
#include "framework/qt/window_impl.h"

namespace fw {

namespace {

QString ToQString(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// "Cmd+Q" means Command on macOS and Control elsewhere. The toolkit already shows Ctrl as Command
// on macOS, and it does not know the word "Cmd", so the shortcut is always written with Ctrl.
QKeySequence ToKeySequence(const std::string& shortcut) {
    QString text = ToQString(shortcut);
    if (text.startsWith(QLatin1String("Cmd+"), Qt::CaseInsensitive)) {
        text.replace(0, 3, QStringLiteral("Ctrl"));
    }
    return QKeySequence(text, QKeySequence::PortableText);
}

void Choose(Window& window, const std::shared_ptr<MenuItem>& item) {
    Dispatch([&window, item] {
        if (!window.HandleMenuCommand(item->Name())) {
            item->Action();
        }
    });
}

void AddItems(Window& window, QMenu* menu, const MenuItem& parent) {
    for (std::size_t i = 0; i < parent.Count(); ++i) {
        std::shared_ptr<MenuItem> item = parent.Item(i);
        if (item->IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (item->Count() > 0) {
            AddItems(window, menu->addMenu(ToQString(item->Text())), *item);
            continue;
        }
        QAction* action = menu->addAction(ToQString(item->Text()));
        action->setVisible(item->Visible());
        action->setShortcut(ToKeySequence(item->Shortcut()));
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
                         [&window, item] { Choose(window, item); });
    }
}

}  // namespace

QWidget* BuildMenuBarView(Window& window, const std::shared_ptr<MenuBar>& bar) {
    if (!bar) {
        return nullptr;
    }
    auto* view = new QMenuBar(window.impl().frame.get());
    for (std::size_t i = 0; i < bar->Count(); ++i) {
        std::shared_ptr<MenuItem> top = bar->Item(i);
        QMenu* menu = view->addMenu(ToQString(top->Text()));
        menu->menuAction()->setVisible(top->Visible());
        AddItems(window, menu, *top);
    }
    return view;
}

}  // namespace fw
