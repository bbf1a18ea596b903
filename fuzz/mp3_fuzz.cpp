// DecodeMp3 reads a file of the bundle that anyone can replace; any bytes must give a whole sound
// or nothing.

#include <optional>
#include <span>

#include "framework/sound_file.h"
#include "fuzz/fuzz_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::optional<fw::PcmSound> sound = fw::DecodeMp3(std::span(data, size));
    if (sound) {
        fuzz::Require(sound->channels == 1 || sound->channels == 2, "one or two channels");
        fuzz::Require(sound->sampleRate > 0 && sound->sampleRate <= 192000, "a real sample rate");
        fuzz::Require(!sound->samples.empty(), "a decoded sound has samples");
        fuzz::Require(sound->samples.size() % static_cast<std::size_t>(sound->channels) == 0,
                      "whole frames only");
        fuzz::Require(sound->Seconds() > 0.0 && sound->Seconds() <= 600.0,
                      "at most ten minutes of sound");
    }
    return 0;
}
