#include "credits/credits.h"

#include "app/bundle_resources.h"
#include "app/designed_controls.h"
#include "calculator/win_main.h"
#include "credits/credits_design.h"
#include "framework/runtime.h"
#include "framework/services.h"

namespace {

fw::ClassInfo MakeCreditsClass() {
    fw::ClassInfo info{"Credits.Credits", &fw::Window::Lookup(), {}, {}, {}};
    info.events = {
        {"CreateControls", [](fw::Object& o) { static_cast<Credits&>(o).CreateControls(); }},
        {"Layout", [](fw::Object& o) { static_cast<Credits&>(o).Layout(); }},
    };
    return info;
}

const fw::InitializerRegistration registration(fw::InitStage::ProgramClasses, "Credits.Credits",
                                               [] { fw::RegisterClass(Credits::Lookup()); });

}  // namespace

const fw::ClassInfo& Credits::Lookup() {
    static const fw::ClassInfo info = MakeCreditsClass();
    return info;
}

Credits& Credits::Instance() {
    return fw::ImplicitInstance<Credits>();
}

bool Credits::IsEventImplemented(std::string_view event) const {
    return fw::RuntimeIsEventHandled(*this, "Credits.Credits", event, true);
}

void Credits::Layout() {
    fw::SetProperties(*this, CreditsDesign());
}

void Credits::CreateControls() {
    CreateControls0();
}

void Credits::CreateControls0() {
    ControlSteps logo = OnMouseDown(*this, &Credits::Canvas1_MouseDown);
    logo.backdrop = &QuorvaneUpdatedLogosmall;
    CreateDesignedControls(
        *this, CreditsControlDesigns(),
        {
            {"Canvas1", logo},
            {"btn_VisitOurWebsite", OnAction(*this, &Credits::btn_VisitOurWebsite_Action)},
            {"btn_exit", OnAction(*this, &Credits::btn_exit_Action)},
            {"btn_contactUs", OnAction(*this, &Credits::btn_contactUs_Action)},
        });
}

fw::Label& Credits::Label1() const {
    return ControlAs<fw::Label>("Label1");
}
fw::Canvas& Credits::Canvas1() const {
    return ControlAs<fw::Canvas>("Canvas1");
}
fw::PushButton& Credits::btn_VisitOurWebsite() const {
    return ControlAs<fw::PushButton>("btn_VisitOurWebsite");
}
fw::PushButton& Credits::btn_exit() const {
    return ControlAs<fw::PushButton>("btn_exit");
}
fw::PushButton& Credits::btn_contactUs() const {
    return ControlAs<fw::PushButton>("btn_contactUs");
}

// The addresses are read from the calculator window at every click; a calculator window that was
// closed is built again and sets them when it opens.
bool Credits::Canvas1_MouseDown(fw::Canvas&, std::int64_t, std::int64_t) {
    fw::ShowURL(WinMain::Instance().WebsiteURL());
    return false;
}

void Credits::btn_VisitOurWebsite_Action(fw::PushButton&) {
    fw::ShowURL(WinMain::Instance().WebsiteURL());
}

void Credits::btn_exit_Action(fw::PushButton&) {
    fw::Quit(0);
}

void Credits::btn_contactUs_Action(fw::PushButton&) {
    fw::ShowURL(WinMain::Instance().ContactURL());
}
