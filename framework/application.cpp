#include "framework/application.h"

#include "framework/menus.h"
#include "framework/runtime.h"

namespace fw {

namespace {

bool supportsHiDPI = false;

}  // namespace

const ClassInfo& Application::Lookup() {
    static const ClassInfo info{"Application", &ObjectClass(), {}, {}, {}};
    return info;
}

void Application::SetSupportsHiDPI(bool supports) {
    supportsHiDPI = supports;
}
bool Application::SupportsHiDPI() {
    return supportsHiDPI;
}

void Application::SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                 std::int64_t nonRelease, std::int64_t stageCode,
                                 std::string longVersion, std::string shortVersion,
                                 std::string packageInfo) {
    version_ = VersionData{major,
                           minor,
                           bug,
                           nonRelease,
                           stageCode,
                           std::move(longVersion),
                           std::move(shortVersion),
                           std::move(packageInfo)};
}

void Application::SetMenuBar(std::shared_ptr<fw::MenuBar> bar) {
    EnterUiOperation("Application.MenuBar");
    menuBar_ = std::move(bar);
}

}  // namespace fw
