#include "framework/qt/audio_device.h"
#include "framework/resources.h"

#include <QCoreApplication>
#include <QLibrary>

#include <optional>

#include "framework/qt/convert.h"

namespace fw {

namespace {

struct ResolvedModule {
    std::filesystem::path path;
    AudioModulePlay play = nullptr;  // nothing when the module could not be had
};

AudioModulePlay Resolve(const std::filesystem::path& module) {
    static std::optional<ResolvedModule> resolved;
    if (!resolved || resolved->path != module) {
        // QLibrary adds the platform's prefix and suffix, and keeps the module loaded for the rest
        // of the process: a playing sink must not lose its code.
        const QFunctionPointer entry =
            QLibrary::resolve(ToQString(module.string()), kAudioModuleEntryPoint);
        resolved = ResolvedModule{module, reinterpret_cast<AudioModulePlay>(entry)};
    }
    return resolved->play;
}

}  // namespace

std::filesystem::path AudioModulePath() {
    return ApplicationBundleContents() / "lib" / "brenquill_audio";
}

AudioOutcome PlayThroughAudioModule(const std::filesystem::path& module,
                                    const std::shared_ptr<const PcmSound>& sound) {
    if (QCoreApplication::instance() == nullptr) {
        return AudioOutcome::NoApplication;
    }
    const AudioModulePlay play = Resolve(module);
    if (play == nullptr) {
        return AudioOutcome::ModuleMissing;
    }
    return play(sound);
}

void PlayThroughAudioDevice(const std::shared_ptr<const PcmSound>& sound) {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    static const std::filesystem::path module = AudioModulePath();
    PlayThroughAudioModule(module, sound);
}

}  // namespace fw
