#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "framework/controls.h"
#include "framework/menus.h"
#include "framework/window.h"

// The calculator window, the program's default window.
class WinMain : public fw::Window {
  public:
    static const fw::ClassInfo& Lookup();
    const fw::ClassInfo& Class() const override { return Lookup(); }

    // The calculator window, built (and shown by its design) when there is none.
    static WinMain& Instance();

    const std::string& Copyright() const { return copyright_; }
    void SetCopyright(std::string_view text) { copyright_ = text; }
    const std::string& AppName() const { return appName_; }
    void SetAppName(std::string_view text) { appName_ = text; }
    const std::string& WebsiteURL() const { return websiteURL_; }
    void SetWebsiteURL(std::string_view url) { websiteURL_ = url; }
    const std::string& ContactURL() const { return contactURL_; }
    void SetContactURL(std::string_view url) { contactURL_ = url; }

    // Construction.
    virtual void Layout();
    virtual void CreateControls();
    virtual void CreateControls0();
    virtual void AddMenuHandlers(fw::Window& w);
    virtual void Event_Open();
    virtual void Event_Close();

    // Controls, looked up by name on every call.
    fw::Label& lbl_Copyright() const;
    fw::PushButton& btn_VisitWebsite() const;
    fw::PushButton& btn_quit() const;
    fw::Label& lbl_LoanAmount() const;
    fw::Label& lbl_term() const;
    fw::Label& lbl_InterestRate() const;
    fw::TextField& txt_loanamount() const;
    fw::TextField& txt_term() const;
    fw::TextField& txt_interest() const;
    fw::PushButton& btn_Calculate() const;
    fw::Canvas& Canvas1() const;
    fw::Label& Label1() const;
    fw::Label& lbl_MonthlyPayment() const;
    fw::Label& lbl_nocommas() const;
    fw::Label& lbl_percent() const;
    fw::Label& lbl_TotalCost() const;
    fw::Label& lbl_totalInterest() const;

    // Control events.
    virtual bool lbl_Copyright_MouseDown(fw::Label& control, std::int64_t x, std::int64_t y);
    virtual void btn_VisitWebsite_Action(fw::PushButton& control);
    virtual void btn_quit_Action(fw::PushButton& control);
    virtual bool txt_loanamount_KeyDown(fw::TextField& control, const std::string& key);
    virtual bool txt_term_KeyDown(fw::TextField& control, const std::string& key);
    virtual bool txt_interest_KeyDown(fw::TextField& control, const std::string& key);
    virtual void btn_Calculate_Action(fw::PushButton& control);

    // Works out the payment from the three fields and shows it, or refuses unusable input.
    virtual void CalculateIt();

    // Menu items of the window's menu bar, looked up by name on every call.
    std::shared_ptr<fw::MenuItem> HelpMenu() const;
    std::shared_ptr<fw::MenuItem> VisitWebsite() const;
    std::shared_ptr<fw::ApplicationMenuItem> AboutMenu() const;
    std::shared_ptr<fw::MenuItem> EditMenu() const;
    std::shared_ptr<fw::MenuItem> EditSelectAll() const;
    std::shared_ptr<fw::MenuItem> EditSeparator2() const;
    std::shared_ptr<fw::MenuItem> EditClear() const;
    std::shared_ptr<fw::MenuItem> EditPaste() const;
    std::shared_ptr<fw::MenuItem> EditCopy() const;
    std::shared_ptr<fw::MenuItem> EditCut() const;
    std::shared_ptr<fw::MenuItem> EditSeparator1() const;
    std::shared_ptr<fw::MenuItem> EditUndo() const;
    std::shared_ptr<fw::MenuItem> FileMenu() const;
    std::shared_ptr<fw::QuitMenuItem> FileQuit() const;

    // Menu commands; each answers true once it has acted.
    virtual bool AboutMenu_Action();
    virtual bool FileQuit_Action();
    virtual bool VisitWebsite_Action();

    bool IsEventImplemented(std::string_view event) const override;

  private:
    bool CalculateOnReturn(const std::string& key);

    template <class T>
    std::shared_ptr<T> MenuItemNamed(std::string_view name) const;

    std::string copyright_;
    std::string appName_;
    std::string websiteURL_;
    std::string contactURL_;
};
