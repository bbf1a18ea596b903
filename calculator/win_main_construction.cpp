// The calculator window's construction: its menu bar, its designed layout and its seventeen
// controls, with their handlers attached as each control is made.

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
    ControlSteps canvas;
    canvas.backdrop = &loanCalc;
    CreateDesignedControls(
        *this, WinMainControlDesigns(),
        {
            {"lbl_Copyright", OnMouseDown(*this, &WinMain::lbl_Copyright_MouseDown)},
            {"btn_VisitWebsite", OnAction(*this, &WinMain::btn_VisitWebsite_Action)},
            {"btn_quit", OnAction(*this, &WinMain::btn_quit_Action)},
            {"txt_loanamount", OnKeyDown(*this, &WinMain::txt_loanamount_KeyDown)},
            {"txt_term", OnKeyDown(*this, &WinMain::txt_term_KeyDown)},
            {"txt_interest", OnKeyDown(*this, &WinMain::txt_interest_KeyDown)},
            {"btn_Calculate", OnAction(*this, &WinMain::btn_Calculate_Action)},
            {"Canvas1", canvas},
        });
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
