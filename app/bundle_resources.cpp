#include "app/bundle_resources.h"

#include <string_view>

#include "framework/resources.h"
#include "framework/runtime.h"

namespace {

// A picture loader's kept picture; every run starts without it.
struct PictureCache {
    std::string_view name;
    std::shared_ptr<fw::Picture> pic;

    std::shared_ptr<fw::Picture> Get() {
        if (!pic) {
            pic = fw::Picture::OpenFromApp(name);
        }
        return pic;
    }
};

PictureCache loanCalcCache{"loanCalc", nullptr};
PictureCache logoCache{"QuorvaneUpdatedLogosmall", nullptr};

// The sound loader's module properties.
bool loaded = false;
std::shared_ptr<fw::Sound> permaSound;

const fw::InitializerRegistration properties(fw::InitStage::ModuleProperties, "bundle resources",
                                             [] {
                                                 loanCalcCache.pic.reset();
                                                 logoCache.pic.reset();
                                                 loaded = false;
                                                 permaSound.reset();
                                                 fw::RuntimeRegisterFinalizer([] {
                                                     loanCalcCache.pic.reset();
                                                     logoCache.pic.reset();
                                                     permaSound.reset();
                                                 });
                                             });

}  // namespace

std::shared_ptr<fw::Picture> loanCalc() {
    return loanCalcCache.Get();
}

std::shared_ptr<fw::Picture> QuorvaneUpdatedLogosmall() {
    return logoCache.Get();
}

std::shared_ptr<fw::Sound> cashregister() {
    if (!loaded) {
        loaded = true;  // before anything that can fail: the sound is sought once per run
        if (std::shared_ptr<fw::FolderItem> folder = fw::GetApplicationBundleResources()) {
            // A missing file leaves the calculator silent rather than failing after the results
            // are shown.
            if (std::shared_ptr<fw::FolderItem> file = folder->Child("cashregister.mp3", true)) {
                permaSound = file->OpenAsSound();
            }
        }
    }
    return permaSound;
}
