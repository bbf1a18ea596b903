#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "framework/control.h"

namespace fw {

// A control with a place in its window: position, size, visibility, focus and tab order. It owns
// its toolkit widget, which goes with it.
class RectControl : public Control {
  public:
    struct Impl;

    static const ClassInfo& Lookup();
    const ClassInfo& Class() const override { return Lookup(); }

    RectControl();
    ~RectControl() override;

    // The default constructor, run once after the control was made for its window.
    void Constructor();

    void PlaceIn(Window& window) override;

    std::int64_t Left() const;
    void SetLeft(std::int64_t left);
    std::int64_t Top() const;
    void SetTop(std::int64_t top);
    std::int64_t Width() const;
    void SetWidth(std::int64_t width);
    std::int64_t Height() const;
    void SetHeight(std::int64_t height);
    bool Visible() const;
    void SetVisible(bool visible);
    bool Enabled() const;
    void SetEnabled(bool enabled);
    std::string Tooltip() const;
    void SetTooltip(std::string_view tooltip);
    std::int64_t TabIndex() const;
    void SetTabIndex(std::int64_t index);
    bool TabStop() const;
    void SetTabStop(bool stop);
    bool Transparent() const;
    void SetTransparent(bool transparent);

    // Whether the keyboard focus starts here when the window opens: in a control the user types
    // into, rather than one that acts on a key.
    virtual bool TakesFocusWhenOpened() const { return false; }

    Impl& impl() const { return *impl_; }

  protected:
    // Makes the control's widget; called once, by PlaceIn.
    virtual void CreateWidget() = 0;
    // Whether Tab gives the control the keyboard focus (while its TabStop is set).
    virtual bool TakesKeyboardFocus() const { return false; }
    // Whether a click gives the control the focus.
    virtual bool TakesClickFocus() const { return TakesKeyboardFocus(); }
    // Applies the focus rules above; subclasses call it when their own focus setting changes.
    void ApplyFocusPolicy();

  private:
    std::unique_ptr<Impl> impl_;
};

// Properties every visible control declares; shared by the control classes' registrations.
std::vector<PropertyInfo> RectControlProperties();

}  // namespace fw
