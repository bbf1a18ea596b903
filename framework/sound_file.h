#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace fw {

// A sound decoded in full, ready to hand to an audio output.
struct PcmSound {
    int sampleRate = 0;  // frames per second
    int channels = 0;
    std::vector<std::int16_t> samples;  // signed 16-bit, channels interleaved

    // Playing time; 0 when the rate or channel count is unset.
    double Seconds() const;
};

// Decodes a whole MP3 file at its own sample rate. Gives nothing, never a partial sound, when the
// file is missing, empty, not MP3, truncated, damaged or decodes to no samples. The check is
// strict: bytes after the last frame other than an ID3v1 tag count as damage. Files above 16 MiB
// or decoding to more than ten minutes of audio are refused too: these are short sound effects,
// and the limits bound what a stray file can cost.
std::optional<PcmSound> DecodeMp3File(const std::string& path);

// The same for MP3 bytes already in memory.
std::optional<PcmSound> DecodeMp3(std::span<const std::uint8_t> bytes);

}  // namespace fw
