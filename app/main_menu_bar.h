#pragma once

#include <memory>

#include "framework/menus.h"

// The program's one menu bar, File, Edit and Help, shared by the application and the calculator
// window. It is built in full on the first reference and kept until the program ends.
class MainMenuBar : public fw::MenuBar {
  public:
    static const fw::ClassInfo& Lookup();
    using fw::MenuBar::Lookup;
    const fw::ClassInfo& Class() const override { return Lookup(); }

    // The shared bar, built on the first call. A failure while building stores nothing.
    static std::shared_ptr<MainMenuBar> Instance();

    void Constructor();
    virtual void Untitled0();  // File
    virtual void Untitled1();  // Edit
    virtual void Untitled2();  // Help
};
