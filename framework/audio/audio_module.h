#pragma once

// What the framework and the audio output module agree on. The module is loaded at run time, on
// the first Play, so that starting the program does not load Qt Multimedia and the libraries
// behind it; both sides are built together, so plain C++ types may cross.

#include <memory>

namespace fw {

struct PcmSound;

// What became of one Play. Nothing shows these to the user: a sound that cannot be heard is
// simply not heard.
enum class AudioOutcome : int {
    Started = 0,
    NoAudioDevice = 1,
    FormatNotSupported = 2,  // the device cannot play the sound's rate or channel count
    NotPlayable = 3,         // no sound, no samples, or no rate or channel count
    DeviceFailed = 4,        // the device refused to start
    NoApplication = 5,       // no application object, or not its thread: nothing feeds a device
    ModuleMissing = 6,       // the module could not be loaded, or lacks its entry point
};

// The module's one entry point, looked up by this name. Call it on the GUI thread only: the output
// is fed from that thread's event loop.
inline constexpr char kAudioModuleEntryPoint[] = "brenquill_audio_play";
using AudioModulePlay = AudioOutcome (*)(const std::shared_ptr<const PcmSound>& sound);

}  // namespace fw
