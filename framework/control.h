#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/object.h"

namespace fw {

class Window;

// The base of every control. A control is made for one window (Window::New), which it belongs to
// from then on; it is a thin owner of its toolkit widget.
class Control : public Object {
  public:
    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    const std::string& Name() const { return name_; }
    void SetName(std::string_view name);
    std::int64_t Index() const { return index_; }
    void SetIndex(std::int64_t index);

    // The window the control was made for; nothing before Window::New placed it.
    Window* Owner() const { return owner_; }

    // Called once by Window::New: the control makes its widget inside the window's content.
    virtual void PlaceIn(Window& window) { owner_ = &window; }

  private:
    std::string name_;
    std::int64_t index_ = 0;
    Window* owner_ = nullptr;
};

}  // namespace fw
