#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/services.h"
#include "framework/sound_file.h"

// Replaces the framework's services for its lifetime and records what the program asked of them.
struct ServiceRecorder {
    std::vector<std::string> messages;
    std::vector<std::string> urls;
    int plays = 0;  // sounds handed over with something to hear
    // Runs when a message box would be shown, before it is recorded.
    std::function<void(const std::string&)> onMessage;

    ServiceRecorder() : scope_(MakeServices()) {}

  private:
    fw::Services MakeServices() {
        fw::Services s;
        s.showMessageBox = [this](const std::string& text) {
            if (onMessage) {
                onMessage(text);
            }
            messages.push_back(text);
        };
        s.openUrl = [this](const std::string& url) { urls.push_back(url); };
        s.playSound = [this](const std::shared_ptr<const fw::PcmSound>& sound) {
            plays += sound && !sound->samples.empty();
        };
        return s;
    }

    fw::ScopedServices scope_;
};
