#include "calculator/win_main.h"

#include "framework/runtime.h"
#include "framework/services.h"

namespace {

template <void (WinMain::*Handler)()>
fw::EventHandler Raise() {
    return [](fw::Object& o) { (static_cast<WinMain&>(o).*Handler)(); };
}

fw::ClassInfo MakeWinMainClass() {
    fw::ClassInfo info{"WinMain.WinMain", &fw::Window::Lookup(), {}, {}, {}};
    info.events = {
        {"AddMenuHandlers",
         [](fw::Object& o) {
             auto& w = static_cast<WinMain&>(o);
             w.AddMenuHandlers(w);
         }},
        {"Close", Raise<&WinMain::Event_Close>()},
        {"CreateControls", Raise<&WinMain::CreateControls>()},
        {"Layout", Raise<&WinMain::Layout>()},
        {"Open", Raise<&WinMain::Event_Open>()},
    };
    using K = fw::ValueKind;
    info.properties = {
        fw::DeclareProperty("Copyright", K::String, &WinMain::SetCopyright, &WinMain::Copyright),
        fw::DeclareProperty("AppName", K::String, &WinMain::SetAppName, &WinMain::AppName),
        fw::DeclareProperty("WebsiteURL", K::String, &WinMain::SetWebsiteURL, &WinMain::WebsiteURL),
        fw::DeclareProperty("ContactURL", K::String, &WinMain::SetContactURL, &WinMain::ContactURL),
    };
    return info;
}

const fw::InitializerRegistration registration(fw::InitStage::ProgramClasses, "WinMain.WinMain",
                                               [] { fw::RegisterClass(WinMain::Lookup()); });

}  // namespace

const fw::ClassInfo& WinMain::Lookup() {
    static const fw::ClassInfo info = MakeWinMainClass();
    return info;
}

WinMain& WinMain::Instance() {
    return fw::ImplicitInstance<WinMain>();
}

bool WinMain::IsEventImplemented(std::string_view event) const {
    return fw::RuntimeIsEventHandled(*this, "WinMain.WinMain", event, true);
}

void WinMain::AddMenuHandlers(fw::Window& w) {
    WinMain& self = fw::RuntimeCheckCast<WinMain>(w);
    w.AddMenuHandler("AboutMenu", [&self] { return self.AboutMenu_Action(); });
    w.AddMenuHandler("FileQuit", [&self] { return self.FileQuit_Action(); });
    w.AddMenuHandler("VisitWebsite", [&self] { return self.VisitWebsite_Action(); });
}

bool WinMain::AboutMenu_Action() {
    fw::MessageBox("About App Info Here");
    return true;
}

bool WinMain::FileQuit_Action() {
    fw::Quit(0);
    return true;
}

bool WinMain::VisitWebsite_Action() {
    fw::ShowURL(Instance().WebsiteURL());
    return true;
}

template <class T>
std::shared_ptr<T> WinMain::MenuItemNamed(std::string_view name) const {
    std::shared_ptr<fw::MenuBar> bar = MenuBar();
    if (!bar) {
        throw fw::NilObjectException("The calculator window has no menu bar");
    }
    std::shared_ptr<fw::MenuItem> item = bar->Lookup(name);
    if (!item) {
        return nullptr;
    }
    return std::shared_ptr<T>(item, &fw::RuntimeCheckCast<T>(*item));
}

#define WINMAIN_MENU_ITEM(Name, Type)             \
    std::shared_ptr<Type> WinMain::Name() const { \
        return MenuItemNamed<Type>(#Name);        \
    }
WINMAIN_MENU_ITEM(HelpMenu, fw::MenuItem)
WINMAIN_MENU_ITEM(VisitWebsite, fw::MenuItem)
WINMAIN_MENU_ITEM(AboutMenu, fw::ApplicationMenuItem)
WINMAIN_MENU_ITEM(EditMenu, fw::MenuItem)
WINMAIN_MENU_ITEM(EditSelectAll, fw::MenuItem)
WINMAIN_MENU_ITEM(EditSeparator2, fw::MenuItem)
WINMAIN_MENU_ITEM(EditClear, fw::MenuItem)
WINMAIN_MENU_ITEM(EditPaste, fw::MenuItem)
WINMAIN_MENU_ITEM(EditCopy, fw::MenuItem)
WINMAIN_MENU_ITEM(EditCut, fw::MenuItem)
WINMAIN_MENU_ITEM(EditSeparator1, fw::MenuItem)
WINMAIN_MENU_ITEM(EditUndo, fw::MenuItem)
WINMAIN_MENU_ITEM(FileMenu, fw::MenuItem)
WINMAIN_MENU_ITEM(FileQuit, fw::QuitMenuItem)
#undef WINMAIN_MENU_ITEM
