#include "app/startup.h"

#include <memory>

#include "app/app.h"
#include "app/main_menu_bar.h"
#include "calculator/win_main.h"
#include "framework/runtime.h"

namespace {

// The framework version the program was built against.
constexpr double kFrameworkVersion = 2021.021;

}  // namespace

int RunProgram() {
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
    Main();
    fw::RuntimePerformFinalizers();
    return fw::RuntimeExit();
}

void Main() {
    try {
        fw::RuntimeSetExceptionHelper(&fw::CallFunctionWithExceptionHandling);
        fw::RuntimeDeclareVersion(kFrameworkVersion);
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
        fw::RuntimeRun();
    } catch (...) {
        try {
            fw::UnhandledException(std::current_exception());
        } catch (...) {
            // The handling failed as well; the finalisers still run and the runtime still ends.
        }
    }
}

void EarlyStartup() {
    fw::Application::SetSupportsHiDPI(true);
    fw::RuntimeInitExternalClasses();
    fw::InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes() {}

void NewAppInstance() {
    std::unique_ptr<App> app = fw::RuntimeNewObjectOf<App>(App::Lookup());
    app->Constructor();
    app->SetVersionData(1, 0, 0, 0, 0, "", "", "");
    app->SetMenuBar(MainMenuBar::Instance());
    fw::RuntimeRegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers() {}

void LateStartup() {
    MakeDefaultView();
}

void MakeDefaultView() {
    WinMain::Instance();
}
