#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <functional>

#include <gtest/gtest.h>

#include "framework/runtime.h"
#include "tests/support/recorder.h"

// A fresh runtime for each test, finalised at its end, with recorded services.
class ProgramTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fw::RuntimeInit();
        fw::RuntimePerformInitializers();
    }
    void TearDown() override {
        fw::RuntimePerformFinalizers();
        fw::SetUiOperationHook(nullptr);
        fw::SetUnhandledExceptionHandler(nullptr);
    }

    ServiceRecorder services;
};

// Runs `step` once the event loop runs, and ends a loop that hangs after a bound, so that a broken
// program fails its test instead of stalling the run. Both timers go with the object.
class LoopScript {
  public:
    explicit LoopScript(std::function<void()> step) {
        step_.setSingleShot(true);
        QObject::connect(&step_, &QTimer::timeout, std::move(step));
        step_.start(0);
        watchdog_.setSingleShot(true);
        QObject::connect(&watchdog_, &QTimer::timeout, [this] {
            timedOut = true;
            QCoreApplication::exit(99);
        });
        watchdog_.start(10000);
    }
    bool timedOut = false;

  private:
    QTimer step_;
    QTimer watchdog_;
};
