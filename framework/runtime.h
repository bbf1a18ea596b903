#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/class_info.h"
#include "framework/exceptions.h"
#include "framework/object.h"

namespace fw {

class Application;
class Object;

// --- Initialisers and finalisers -------------------------------------------------------------
// Class registrations and module properties register an initialiser while the program's static
// objects are made; RuntimePerformInitializers runs them in order of stage, then name, so the order
// never depends on link order.
enum class InitStage { FrameworkClasses = 0, ProgramClasses = 1, ModuleProperties = 2 };

struct InitializerRegistration {
    InitializerRegistration(InitStage stage, std::string name, std::function<void()> run);
};

void RuntimeInit();
void RuntimePerformInitializers();
// Makes sure the framework's own classes are registered (they normally are by the initialisers).
void RuntimeInitExternalClasses();
// The program links no plug-ins; kept so start-up reads in its real order.
void InitPluginEntrypoints();
void RuntimeRegisterFinalizer(std::function<void()> finalizer);
void RuntimePerformFinalizers();
int RuntimeExit();

// --- Version and the exception helper ----------------------------------------------------------
using ExceptionHelper = std::exception_ptr (*)(void (*)(void*), void*);
void RuntimeSetExceptionHelper(ExceptionHelper helper);
ExceptionHelper RuntimeExceptionHelper();
void RuntimeDeclareVersion(double version);
double RuntimeDeclaredVersion();

// Calls function(argument). Returns nothing when it returns normally, and the exception instead of
// passing it on when it raises a RuntimeException; any other exception passes on.
std::exception_ptr CallFunctionWithExceptionHandling(void (*function)(void*), void* argument);

// --- The class registry ------------------------------------------------------------------------
void RegisterClass(const ClassInfo& info);
// A new, not yet constructed object of the class; NilObjectException for a class the runtime cannot
// make.
std::unique_ptr<Object> RuntimeNewObject(const ClassInfo& cls);
template <class T>
std::unique_ptr<T> RuntimeNewObjectOf(const ClassInfo& cls) {
    std::unique_ptr<Object> object = RuntimeNewObject(cls);
    T& typed = RuntimeCheckCast<T>(*object);
    object.release();
    return std::unique_ptr<T>(&typed);
}
const ClassInfo* FindClass(std::string_view fullName);
bool RuntimeIsEventHandled(const Object& object, std::string_view className, std::string_view event,
                           bool flag);

// Casts to a class of the runtime, raising IllegalCastException when the object is of another.
template <class T>
T& RuntimeCheckCast(Object& object) {
    if (auto* t = dynamic_cast<T*>(&object)) {
        return *t;
    }
    throw IllegalCastException("Cannot cast " + object.Class().fullName + " to " +
                               T::Lookup().fullName);
}

// --- The application object ----------------------------------------------------------------------
void RuntimeRegisterAppObject(std::unique_ptr<Application> app);
Application* GetAppObject();

// --- Running -------------------------------------------------------------------------------------
void RunFrameworkInitialization(void (*lateStartup)());
void RuntimeRun();
void Quit(int exitCode = 0);
bool RuntimeIsQuitting();

// The framework's handling of an exception nobody caught: by default it reports the exception,
// records exit status 1 and ends the event loop.
void UnhandledException(std::exception_ptr exception);
using UnhandledExceptionHandler = std::function<void(std::exception_ptr)>;
void SetUnhandledExceptionHandler(UnhandledExceptionHandler handler);  // empty: the default

// The one door from the event loop into the program's code: runs call, and hands any exception that
// comes back to UnhandledException, so none ever crosses the event loop.
bool Dispatch(const std::function<void()>& call);

// --- Threads -------------------------------------------------------------------------------------
// Every user-interface operation starts here: it refuses any thread but the GUI thread.
void EnterUiOperation(const char* operation);
bool IsGuiThread();

// Test support: a hook that runs at the start of every user-interface operation, given its name, so
// that a test can make a chosen operation fail. Empty: no hook.
void SetUiOperationHook(std::function<void(const char* operation)> hook);

// Describes an exception for people: its class and message.
std::string DescribeException(std::exception_ptr exception);

}  // namespace fw
