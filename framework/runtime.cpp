#include "framework/runtime.h"

#include <QApplication>

#include <algorithm>
#include <iostream>
#include <map>
#include <thread>
#include <vector>

#include "framework/application.h"
#include "framework/controls.h"
#include "framework/menus.h"
#include "framework/picture.h"
#include "framework/qt/identity.h"
#include "framework/resources.h"
#include "framework/services.h"
#include "framework/sound.h"
#include "framework/window.h"

namespace fw {

namespace {

struct Initializer {
    InitStage stage;
    std::string name;
    std::function<void()> run;
};

std::vector<Initializer>& Initializers() {
    static std::vector<Initializer> list;
    return list;
}

// The application object of the toolkit, when the runtime made it.
QApplication* ownedApplication = nullptr;

// The thread that made the process's static objects is the main thread; it runs the event loop.
const std::thread::id mainThread = std::this_thread::get_id();

struct RuntimeState {
    ExceptionHelper exceptionHelper = nullptr;
    double declaredVersion = 0.0;
    std::map<std::string, const ClassInfo*, std::less<>> classes;
    std::unique_ptr<Application> app;
    std::vector<std::function<void()>> finalizers;
    bool finalized = false;
    bool quitting = false;
    bool quitRequested = false;
    bool loopRunning = false;
    bool appClosed = false;
    int exitStatus = 0;
    UnhandledExceptionHandler unhandledHandler;
    std::function<void(const char*)> uiHook;
};

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

// Ends the event loop, or makes sure it never starts when it is not running yet.
void EndEventLoop() {
    RuntimeState& s = State();
    s.quitRequested = true;
    if (s.loopRunning) {
        QCoreApplication::exit(s.exitStatus);
    }
}

void DefaultUnhandledException(std::exception_ptr exception) {
    const std::string what = DescribeException(exception);
    std::cerr << "Brenquill: unhandled " << what << std::endl;
    RuntimeState& s = State();
    s.exitStatus = 1;
    s.quitting = true;
    MessageBox("Brenquill met an internal error and must close.\n\n" + what);
    EndEventLoop();
}

}  // namespace

InitializerRegistration::InitializerRegistration(InitStage stage, std::string name,
                                                 std::function<void()> run) {
    Initializers().push_back({stage, std::move(name), std::move(run)});
}

void RuntimeInit() {
    RuntimeState& s = State();
    // A fresh run of the runtime in this process starts from nothing; the class registry stays, as
    // the classes themselves do, and so do the hooks an embedding host installed.
    RuntimeState fresh;
    fresh.classes = std::move(s.classes);
    fresh.unhandledHandler = std::move(s.unhandledHandler);
    fresh.uiHook = std::move(s.uiHook);
    s = std::move(fresh);
    if (QCoreApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "brenquill";
        static char* argv[] = {name, nullptr};
        ownedApplication = new QApplication(argc, argv);
    }
    DeclareApplicationIdentity();
    // Closing windows never ends the program behind the framework's back; the framework decides.
    QApplication::setQuitOnLastWindowClosed(false);
}

void RuntimePerformInitializers() {
    auto& list = Initializers();
    std::stable_sort(list.begin(), list.end(), [](const Initializer& a, const Initializer& b) {
        return a.stage != b.stage ? a.stage < b.stage : a.name < b.name;
    });
    for (const Initializer& init : list) {
        init.run();
    }
}

// The framework's own classes, listed here rather than registered from their source files, so
// that no class can go missing because the linker left its file out.
void RuntimeInitExternalClasses() {
    for (const ClassInfo* cls :
         {&Application::Lookup(), &Window::Lookup(), &Control::Lookup(), &RectControl::Lookup(),
          &Label::Lookup(), &TextEdit::Lookup(), &TextField::Lookup(), &PushButton::Lookup(),
          &Canvas::Lookup(), &MenuItem::Lookup(), &MenuBar::Lookup(), &QuitMenuItem::Lookup(),
          &ApplicationMenuItem::Lookup(), &Picture::Lookup(), &FolderItem::Lookup(),
          &Sound::Lookup()}) {
        RegisterClass(*cls);
    }
}

namespace {

const InitializerRegistration builtInClasses(InitStage::FrameworkClasses, "framework",
                                             &RuntimeInitExternalClasses);

}  // namespace

void InitPluginEntrypoints() {}

void RuntimeRegisterFinalizer(std::function<void()> finalizer) {
    State().finalizers.push_back(std::move(finalizer));
}

void RuntimePerformFinalizers() {
    RuntimeState& s = State();
    if (s.finalized) {
        return;
    }
    s.finalized = true;
    DestroyAllWindows();
    for (auto it = s.finalizers.rbegin(); it != s.finalizers.rend(); ++it) {
        (*it)();
    }
    s.finalizers.clear();
    s.app.reset();
}

int RuntimeExit() {
    // The toolkit's own ending runs too: on X11 it hands what the user copied to the clipboard
    // manager, so that it outlives the program.
    delete ownedApplication;
    ownedApplication = nullptr;
    return State().exitStatus;
}

void RuntimeSetExceptionHelper(ExceptionHelper helper) {
    State().exceptionHelper = helper;
}
ExceptionHelper RuntimeExceptionHelper() {
    return State().exceptionHelper;
}
void RuntimeDeclareVersion(double version) {
    State().declaredVersion = version;
}
double RuntimeDeclaredVersion() {
    return State().declaredVersion;
}

std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument) {
    try {
        function(argument);
    } catch (const RuntimeException&) {
        return std::current_exception();
    }
    return nullptr;
}

void RegisterClass(const ClassInfo& info) {
    State().classes.insert_or_assign(info.fullName, &info);
}

std::unique_ptr<Object> RuntimeNewObject(const ClassInfo& cls) {
    std::unique_ptr<Object> object = cls.factory ? cls.factory() : nullptr;
    if (!object) {
        throw NilObjectException("The runtime cannot make an object of class " + cls.fullName);
    }
    return object;
}

const ClassInfo* FindClass(std::string_view fullName) {
    const auto& classes = State().classes;
    auto it = classes.find(fullName);
    return it == classes.end() ? nullptr : it->second;
}

bool RuntimeIsEventHandled(const Object& object, std::string_view className, std::string_view event,
                           bool /*flag*/) {
    const ClassInfo* cls = FindClass(className);
    if (cls == nullptr) {
        cls = &object.Class();
    }
    const EventInfo* info = cls->FindEvent(event);
    return info != nullptr && static_cast<bool>(info->handler);
}

void RuntimeRegisterAppObject(std::unique_ptr<Application> app) {
    State().app = std::move(app);
}
Application* GetAppObject() {
    return State().app.get();
}

void RunFrameworkInitialization(void (*lateStartup)()) {
    EnterUiOperation("RunFrameworkInitialization");
    lateStartup();
    if (Application* app = GetAppObject()) {
        Dispatch([app] { RaiseEvent(*app, "Open"); });
    }
}

void RuntimeRun() {
    EnterUiOperation("RuntimeRun");
    RuntimeState& s = State();
    if (s.quitRequested) {
        return;
    }
    s.loopRunning = true;
    QApplication::exec();
    s.loopRunning = false;
}

void Quit(int exitCode) {
    EnterUiOperation("Quit");
    RuntimeState& s = State();
    if (s.quitting) {
        return;
    }
    s.quitting = true;
    s.exitStatus = exitCode;
    if (Application* app = GetAppObject(); app != nullptr && !s.appClosed) {
        s.appClosed = true;
        Dispatch([app] { RaiseEvent(*app, "Close"); });
    }
    EndEventLoop();
}

bool RuntimeIsQuitting() {
    return State().quitting;
}

void UnhandledException(std::exception_ptr exception) {
    if (const auto& handler = State().unhandledHandler) {
        handler(exception);
    } else {
        DefaultUnhandledException(exception);
    }
}

void SetUnhandledExceptionHandler(UnhandledExceptionHandler handler) {
    State().unhandledHandler = std::move(handler);
}

bool Dispatch(const std::function<void()>& call) {
    ExceptionHelper helper = RuntimeExceptionHelper();
    if (helper == nullptr) {
        helper = &CallFunctionWithExceptionHandling;
    }
    std::exception_ptr exception;
    try {
        exception = helper([](void* p) { (*static_cast<const std::function<void()>*>(p))(); },
                           const_cast<void*>(static_cast<const void*>(&call)));
    } catch (...) {
        // Not a runtime exception, but it must not cross the event loop either.
        exception = std::current_exception();
    }
    if (!exception) {
        return true;
    }
    try {
        UnhandledException(exception);
    } catch (...) {
        // The handling itself failed: still end the program with a failure status.
        State().exitStatus = 1;
        State().quitting = true;
        EndEventLoop();
    }
    return false;
}

void EnterUiOperation(const char* operation) {
    if (!IsGuiThread()) {
        throw ThreadAccessingUIException(operation);
    }
    if (const auto& hook = State().uiHook) {
        hook(operation);
    }
}

bool IsGuiThread() {
    return std::this_thread::get_id() == mainThread;
}

void SetUiOperationHook(std::function<void(const char*)> hook) {
    State().uiHook = std::move(hook);
}

std::string DescribeException(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const RuntimeException& e) {
        return std::string(e.ClassName()) + ": " + e.what();
    } catch (const std::exception& e) {
        return std::string("exception: ") + e.what();
    } catch (...) {
        return "unknown exception";
    }
}

}  // namespace fw
