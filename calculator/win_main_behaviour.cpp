// What the calculator window does: the texts it takes when it opens, its buttons and copyright
// line, the Return key in its fields, and the payment calculation.

#include "app/app.h"
#include "app/bundle_resources.h"
#include "calculator/calculation.h"
#include "calculator/win_main.h"
#include "framework/services.h"
#include "framework/text.h"

namespace {

constexpr std::string_view kAppName = "Brenquill Calculator";
constexpr std::string_view kCopyright = "Copyright \xC2\xA9 2026 Quorvane. All rights reserved.";
constexpr std::string_view kContactURL = "https://www.quorvane.com/write-us-now";
constexpr std::string_view kWebsiteURL = "https://www.quorvane.com/freeforfun";

// Dollars with thousands separators and cents; the backslash makes the dollar sign literal.
constexpr std::string_view kMoney = "\\$###,#0.00";

constexpr std::string_view kNotNumeric =
    "All fields must only be numeric, please check and correct your entries";
constexpr std::string_view kNotPositive = "Invalid Input - Only Numeric Information May Be Used";

}  // namespace

void WinMain::Event_Open() {
    Instance().SetAppName(kAppName);
    Instance().SetCopyright(kCopyright);
    Instance().SetContactURL(kContactURL);
    Instance().SetWebsiteURL(kWebsiteURL);
    txt_loanamount().SetValue("100000");
    txt_term().SetValue("360");
    txt_interest().SetValue("3.75");
    Instance().lbl_Copyright().SetValue(Copyright());
    Instance().SetTitle(AppName());
}

void WinMain::Event_Close() {
    App::Instance().QuitApp();
}

bool WinMain::lbl_Copyright_MouseDown(fw::Label&, std::int64_t, std::int64_t) {
    fw::ShowURL(Instance().WebsiteURL());
    return false;
}

void WinMain::btn_VisitWebsite_Action(fw::PushButton&) {
    fw::ShowURL(Instance().WebsiteURL());
}

void WinMain::btn_quit_Action(fw::PushButton&) {
    App::Instance().QuitApp();
}

// The three fields answer keys alike: Return calculates, and every key goes on to the field.
bool WinMain::txt_loanamount_KeyDown(fw::TextField&, const std::string& key) {
    return CalculateOnReturn(key);
}

bool WinMain::txt_term_KeyDown(fw::TextField&, const std::string& key) {
    return CalculateOnReturn(key);
}

bool WinMain::txt_interest_KeyDown(fw::TextField&, const std::string& key) {
    return CalculateOnReturn(key);
}

bool WinMain::CalculateOnReturn(const std::string& key) {
    if (key == fw::Chr(13)) {
        CalculateIt();
    }
    return false;
}

void WinMain::btn_Calculate_Action(fw::PushButton&) {
    int numeric = 0;
    for (fw::TextField* field : {&txt_loanamount(), &txt_term(), &txt_interest()}) {
        if (fw::IsNumeric(field->Value())) {
            ++numeric;
        }
    }
    if (numeric == 3) {
        CalculateIt();
        return;
    }
    lbl_MonthlyPayment().SetText("Invalid Input");
    fw::MessageBox(kNotNumeric);
}

void WinMain::CalculateIt() {
    const std::string amountText = txt_loanamount().Value();
    const std::string termText = txt_term().Value();
    const std::string rateText = txt_interest().Value();
    const double amount = fw::Val(amountText);
    const double yearlyRate = fw::Val(rateText);
    const double months = fw::Val(termText);
    const double monthlyRate = yearlyRate / 1200.0;
    // Written so that NaN fails too: every value must be greater than zero.
    if (!(amount > 0) || !(yearlyRate > 0) || !(months > 0) || !(monthlyRate > 0)) {
        fw::MessageBox(kNotPositive);
        return;
    }
    const LoanPayment result = ComputeLoanPayment(amount, months, monthlyRate);

    lbl_MonthlyPayment().SetText("Monthly Payment = " + fw::Format(result.payment, kMoney));
    lbl_MonthlyPayment().SetVisible(true);
    lbl_totalInterest().SetText("Total Interest = " + fw::Format(result.interest, kMoney));
    lbl_totalInterest().SetVisible(true);
    lbl_TotalCost().SetText("Total to be paid over the life of the loan: " +
                            fw::Format(result.total, kMoney));
    lbl_TotalCost().SetVisible(true);

    // A missing sound leaves the calculator silent.
    if (std::shared_ptr<fw::Sound> sound = cashregister()) {
        sound->Play();
    }
}
