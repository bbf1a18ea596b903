#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "framework/object.h"

namespace fw {

class MenuBar;

// The application object's base. The program derives its own application class from it, and the
// runtime raises the events Open (once, after start-up) and Close (once, as the program ends).
class Application : public Object {
  public:
    struct VersionData {
        std::int64_t major = 0;
        std::int64_t minor = 0;
        std::int64_t bug = 0;
        std::int64_t nonRelease = 0;
        std::int64_t stageCode = 0;
        std::string longVersion;
        std::string shortVersion;
        std::string packageInfo;
    };

    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    static void SetSupportsHiDPI(bool supports);
    static bool SupportsHiDPI();

    void SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                        std::int64_t nonRelease, std::int64_t stageCode, std::string longVersion,
                        std::string shortVersion, std::string packageInfo);
    const VersionData& Version() const { return version_; }

    std::shared_ptr<fw::MenuBar> MenuBar() const { return menuBar_; }
    void SetMenuBar(std::shared_ptr<fw::MenuBar> bar);

  private:
    VersionData version_;
    std::shared_ptr<fw::MenuBar> menuBar_;
};

}  // namespace fw
