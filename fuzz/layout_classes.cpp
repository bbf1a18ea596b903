#include "fuzz/layout_classes.h"

#include "calculator/win_main.h"
#include "credits/credits.h"
#include "framework/controls.h"
#include "framework/window.h"

namespace fuzz {

const std::vector<const fw::ClassInfo*>& LayoutClasses() {
    static const std::vector<const fw::ClassInfo*> classes = {
        &fw::Window::Lookup(),     &fw::Label::Lookup(),  &fw::TextField::Lookup(),
        &fw::PushButton::Lookup(), &fw::Canvas::Lookup(), &WinMain::Lookup(),
        &Credits::Lookup(),
    };
    return classes;
}

}  // namespace fuzz
