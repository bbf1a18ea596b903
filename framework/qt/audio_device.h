#pragma once

// The real audio output behind the playSound service. It lives in a module of its own, loaded on
// the first Play from the bundle's lib folder; without that module, or without an audio device,
// Play does nothing and says nothing.

#include <filesystem>
#include <memory>

#include "framework/audio/audio_module.h"

namespace fw {

struct PcmSound;

// Starts the sound from its beginning through the bundle's audio module and returns at once.
void PlayThroughAudioDevice(const std::shared_ptr<const PcmSound>& sound);

// Where the bundle's audio module is: "lib/brenquill_audio" beside the folder that holds the
// executable, without the platform's file prefix and suffix.
std::filesystem::path AudioModulePath();

// The same through the module at that path, saying what became of the sound. The module is loaded
// and its entry point looked up once per path; a module that cannot be had is not sought again.
AudioOutcome PlayThroughAudioModule(const std::filesystem::path& module,
                                    const std::shared_ptr<const PcmSound>& sound);

}  // namespace fw
