#pragma once

#include <QCoreApplication>
#include <QTimer>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/runtime.h"
#include "framework/services.h"
#include "framework/sound_file.h"

// Replaces the framework's services for its lifetime and records what the program asked of them.
struct ServiceRecorder {
    std::vector<std::string> messages, urls;
    int plays = 0;  // sounds handed over with something to hear
    // Runs when a message box would be shown, before it is recorded.
    std::function<void(const std::string&)> onMessage;

  private:
    fw::ScopedServices scope_{fw::Services{
        [this](const std::string& text) {
            if (onMessage) {
                onMessage(text);
            }
            messages.push_back(text);
        },
        [this](const std::string& url) { urls.push_back(url); },
        [this](const std::shared_ptr<const fw::PcmSound>& s) { plays += s && !s->samples.empty(); },
    }};
};

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
