#include "app/app.h"

#include "calculator/win_main.h"
#include "credits/credits.h"
#include "framework/runtime.h"

namespace {

fw::ClassInfo MakeAppClass() {
    fw::ClassInfo info{
        "App", &fw::Application::Lookup(), {}, {}, [] { return std::make_unique<App>(); }};
    info.events = {
        {"Close", [](fw::Object& o) { static_cast<App&>(o).Event_Close(); }},
        {"Open", [](fw::Object& o) { static_cast<App&>(o).Event_Open(); }},
    };
    return info;
}

const fw::InitializerRegistration registration(fw::InitStage::ProgramClasses, "App",
                                               [] { fw::RegisterClass(App::Lookup()); });

}  // namespace

const fw::ClassInfo& App::Lookup() {
    static const fw::ClassInfo info = MakeAppClass();
    return info;
}

App& App::Instance() {
    fw::Application* app = fw::GetAppObject();
    if (app == nullptr) {
        throw fw::NilObjectException("There is no application object");
    }
    return fw::RuntimeCheckCast<App>(*app);
}

void App::Constructor() {}

void App::Event_Open() {
    WinMain::Instance();
}

void App::Event_Close() {
    QuitApp();
}

void App::QuitApp() {
    WinMain::Instance().SetVisible(false);
    Credits::Instance().SetVisible(true);
}

bool App::IsEventImplemented(std::string_view event) const {
    return fw::RuntimeIsEventHandled(*this, "App", event, true);
}
