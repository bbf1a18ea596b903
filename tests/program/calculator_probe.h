#pragma once

// Builds the calculator window as the program does, with a look at it taken just before its Open
// handler runs: the designed state that its construction leaves.

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "calculator/win_main.h"
#include "framework/qt/control_impl.h"
#include "framework/qt/window_impl.h"
#include "framework/resources.h"
#include "framework/window.h"
#include "tests/support/program_fixture.h"

// The calculator window, which hands itself to a look just before its own Open handler. It keeps
// the calculator's class, so the program finds it as its calculator window.
class ProbedWinMain : public WinMain {
  public:
    explicit ProbedWinMain(std::function<void(WinMain&)> look) : look_(std::move(look)) {}
    void Event_Open() override {
        look_(*this);
        WinMain::Event_Open();
    }

  private:
    std::function<void(WinMain&)> look_;
};

class CalculatorProbeTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        fw::SetApplicationBundleResourcesForTesting(BRENQUILL_SOURCE_DIR "/resources");
    }
    void TearDown() override {
        ProgramTest::TearDown();
        fw::SetApplicationBundleResourcesForTesting({});
    }

    // Builds the calculator window, runs the look before its Open handler, and gives the window.
    static WinMain& BeforeOpen(const std::function<void(WinMain&)>& look) {
        int looks = 0;
        auto& w = static_cast<WinMain&>(
            fw::ConstructWindow(std::make_unique<ProbedWinMain>([&](WinMain& self) {
                ++looks;
                look(self);
            })));
        EXPECT_EQ(looks, 1) << "the window's Open handler ran " << looks << " times";
        return w;
    }
    static WinMain& Built() {
        return BeforeOpen([](WinMain&) {});
    }

    static QWidget& Widget(const fw::RectControl& c) { return *c.impl().widget; }
    static QWidget& Frame(const WinMain& w) { return *w.impl().frame; }
};
