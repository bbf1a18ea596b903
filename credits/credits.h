#pragma once

#include <cstdint>
#include <string_view>

#include "framework/controls.h"
#include "framework/window.h"

// The credits window, shown in the calculator's place when the user leaves it: a thank-you text,
// the maker's logo and buttons to visit the maker's site, to write to the maker, or to exit.
class Credits : public fw::Window {
  public:
    static const fw::ClassInfo& Lookup();
    const fw::ClassInfo& Class() const override { return Lookup(); }

    // The credits window, built hidden when there is none.
    static Credits& Instance();

    virtual void Layout();
    virtual void CreateControls();
    virtual void CreateControls0();

    fw::Label& Label1() const;
    fw::Canvas& Canvas1() const;
    fw::PushButton& btn_VisitOurWebsite() const;
    fw::PushButton& btn_exit() const;
    fw::PushButton& btn_contactUs() const;

    virtual bool Canvas1_MouseDown(fw::Canvas& control, std::int64_t x, std::int64_t y);
    virtual void btn_VisitOurWebsite_Action(fw::PushButton& control);
    virtual void btn_exit_Action(fw::PushButton& control);
    virtual void btn_contactUs_Action(fw::PushButton& control);

    bool IsEventImplemented(std::string_view event) const override;
};
