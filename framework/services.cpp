#include "framework/services.h"

#include "framework/runtime.h"

namespace fw {

namespace {

Services& Current() {
    static Services services = RealServices();
    return services;
}

}  // namespace

const Services& CurrentServices() {
    return Current();
}

ScopedServices::ScopedServices(Services replacement) : previous_(std::move(Current())) {
    Current() = std::move(replacement);
}

ScopedServices::~ScopedServices() {
    Current() = std::move(previous_);
}

void MessageBox(std::string_view text) {
    EnterUiOperation("MessageBox");
    if (const auto& show = CurrentServices().showMessageBox) {
        show(std::string(text));
    }
}

void ShowURL(std::string_view url) {
    EnterUiOperation("ShowURL");
    if (const auto& open = CurrentServices().openUrl) {
        open(std::string(url));
    }
}

}  // namespace fw
