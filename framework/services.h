#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace fw {

struct PcmSound;

// What the framework does to the world outside the window: message boxes, the browser and the audio
// device. Tests replace them for their length with ScopedServices, so that no test blocks on a
// modal box, opens a browser or needs a sound card.
struct Services {
    std::function<void(const std::string& text)> showMessageBox;
    std::function<void(const std::string& url)> openUrl;
    // Starts playing the sound (from its beginning) and returns at once.
    std::function<void(const std::shared_ptr<const PcmSound>& sound)> playSound;
};

// The services in force: the real ones unless a ScopedServices replaced them.
const Services& CurrentServices();

// The real services, on Qt: QMessageBox, QDesktopServices and the audio output.
Services RealServices();

class ScopedServices {
  public:
    explicit ScopedServices(Services replacement);
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

  private:
    Services previous_;
};

// A modal message box with the text and one OK button; returns when the user dismissed it.
void MessageBox(std::string_view text);
// Opens the address in the user's default browser.
void ShowURL(std::string_view url);

}  // namespace fw
