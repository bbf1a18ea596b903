#pragma once

#include <string_view>

#include "framework/application.h"

// The program's application object: one per process, made at start-up and alive until it ends.
class App : public fw::Application {
  public:
    static const fw::ClassInfo& Lookup();
    const fw::ClassInfo& Class() const override { return Lookup(); }

    // The registered application object.
    static App& Instance();

    void Constructor();
    virtual void Event_Open();
    virtual void Event_Close();
    // Leaves the calculator: hides its window and shows the credits window in its place.
    virtual void QuitApp();

    bool IsEventImplemented(std::string_view event) const override;
};
