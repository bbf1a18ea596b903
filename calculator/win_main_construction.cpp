// The calculator window's construction: its menu bar, its designed layout and its seventeen
// controls, with their handlers attached as each control is made.

#include <map>
#include <string_view>

#include "app/bundle_resources.h"
#include "app/designed_controls.h"
#include "app/main_menu_bar.h"
#include "calculator/win_main.h"
#include "calculator/win_main_design.h"

void WinMain::Layout() {
    SetMenuBar(MainMenuBar::Instance());
    fw::SetProperties(*this, WinMainDesign());
}

void WinMain::CreateControls() {
    CreateControls0();
}

void WinMain::CreateControls0() {
    using Attach = std::function<void(fw::Control&)>;
    auto button = [this](void (WinMain::*handler)(fw::PushButton&)) -> Attach {
        return [this, handler](fw::Control& c) {
            static_cast<fw::PushButton&>(c).OnAction(
                [this, handler](fw::PushButton& b) { (this->*handler)(b); });
        };
    };
    auto field = [this](bool (WinMain::*handler)(fw::TextField&, const std::string&)) -> Attach {
        return [this, handler](fw::Control& c) {
            static_cast<fw::TextField&>(c).OnKeyDown(
                [this, handler](fw::TextField& f, const std::string& key) {
                    return (this->*handler)(f, key);
                });
        };
    };
    const std::map<std::string_view, Attach> handlers = {
        {"lbl_Copyright",
         [this](fw::Control& c) {
             static_cast<fw::Label&>(c).OnMouseDown(
                 [this](fw::Label& l, std::int64_t x, std::int64_t y) {
                     return lbl_Copyright_MouseDown(l, x, y);
                 });
         }},
        {"btn_VisitWebsite", button(&WinMain::btn_VisitWebsite_Action)},
        {"btn_quit", button(&WinMain::btn_quit_Action)},
        {"txt_loanamount", field(&WinMain::txt_loanamount_KeyDown)},
        {"txt_term", field(&WinMain::txt_term_KeyDown)},
        {"txt_interest", field(&WinMain::txt_interest_KeyDown)},
        {"btn_Calculate", button(&WinMain::btn_Calculate_Action)},
    };
    for (const fw::ControlDesign& design : WinMainControlDesigns()) {
        ControlSteps steps;
        if (design.name == "Canvas1") {
            steps.backdrop = &loanCalc;
        }
        if (auto it = handlers.find(design.name); it != handlers.end()) {
            steps.attachHandlers = it->second;
        }
        CreateDesignedControl(*this, design, steps);
    }
}

#define WINMAIN_CONTROL(Name, Type)    \
    Type& WinMain::Name() const {      \
        return ControlAs<Type>(#Name); \
    }
WINMAIN_CONTROL(lbl_Copyright, fw::Label)
WINMAIN_CONTROL(btn_VisitWebsite, fw::PushButton)
WINMAIN_CONTROL(btn_quit, fw::PushButton)
WINMAIN_CONTROL(lbl_LoanAmount, fw::Label)
WINMAIN_CONTROL(lbl_term, fw::Label)
WINMAIN_CONTROL(lbl_InterestRate, fw::Label)
WINMAIN_CONTROL(txt_loanamount, fw::TextField)
WINMAIN_CONTROL(txt_term, fw::TextField)
WINMAIN_CONTROL(txt_interest, fw::TextField)
WINMAIN_CONTROL(btn_Calculate, fw::PushButton)
WINMAIN_CONTROL(Canvas1, fw::Canvas)
WINMAIN_CONTROL(Label1, fw::Label)
WINMAIN_CONTROL(lbl_MonthlyPayment, fw::Label)
WINMAIN_CONTROL(lbl_nocommas, fw::Label)
WINMAIN_CONTROL(lbl_percent, fw::Label)
WINMAIN_CONTROL(lbl_TotalCost, fw::Label)
WINMAIN_CONTROL(lbl_totalInterest, fw::Label)
#undef WINMAIN_CONTROL
