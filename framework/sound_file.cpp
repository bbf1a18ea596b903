#include "framework/sound_file.h"

#include <mpg123.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <new>
#include <system_error>

namespace fw {
namespace {

constexpr std::uintmax_t kMaxFileBytes = 16u << 20;
constexpr std::size_t kMaxSamples = std::size_t{48000} * 2 * 60 * 10;

struct HandleDeleter {
    void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

void InitLibraryOnce() {
    // A no-op in current libmpg123, but required before any handle by versions before 1.27.
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}

// Where the audio frames begin: past an ID3v2 tag when the bytes open with one, or nothing when
// the tag's header is malformed.
std::optional<std::size_t> AudioStart(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t kHeaderBytes = 10;
    if (bytes.size() < 3 || bytes[0] != 'I' || bytes[1] != 'D' || bytes[2] != '3') {
        return 0;
    }
    if (bytes.size() < kHeaderBytes) {
        return std::nullopt;
    }
    std::size_t size = 0;
    for (std::size_t i = 6; i < kHeaderBytes; ++i) {
        if (bytes[i] & 0x80) {  // the size is stored in 7-bit groups
            return std::nullopt;
        }
        size = size << 7 | bytes[i];
    }
    const bool hasFooter = bytes[5] & 0x10;
    return kHeaderBytes + size + (hasFooter ? kHeaderBytes : 0);
}

// Whether an MPEG audio frame header starts at `at`. mpg123 would otherwise skip junk until it
// stumbles on something frame-like, and then "decode" text or random bytes as noise.
bool FrameHeaderAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (bytes.size() < 4 || at > bytes.size() - 4) {
        return false;
    }
    const std::uint8_t b1 = bytes[at + 1];
    const std::uint8_t b2 = bytes[at + 2];
    const bool sync = bytes[at] == 0xFF && (b1 & 0xE0) == 0xE0;
    const bool version = ((b1 >> 3) & 0x3) != 0x1;  // 01 is reserved
    const bool layer = ((b1 >> 1) & 0x3) != 0x0;    // 00 is reserved
    const bool bitrate = (b2 >> 4) != 0xF;          // 1111 is invalid
    const bool rate = ((b2 >> 2) & 0x3) != 0x3;     // 11 is reserved
    return sync && version && layer && bitrate && rate;
}

// Offers every rate mpg123 knows, mono or stereo, always as signed 16-bit: the decoder then never
// resamples and keeps the stream's own rate.
bool AskForSigned16(mpg123_handle* handle) {
    if (mpg123_format_none(handle) != MPG123_OK) {
        return false;
    }
    const long* rates = nullptr;
    std::size_t count = 0;
    mpg123_rates(&rates, &count);
    for (std::size_t i = 0; i < count; ++i) {
        if (mpg123_format(handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16) !=
            MPG123_OK) {
            return false;
        }
    }
    return count > 0;
}

// Takes the output format the decoder announces. A stream that changes rate or channel count part
// way cannot be held as one sound, so that is refused.
bool TakeFormat(mpg123_handle* handle, PcmSound& sound) {
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle, &rate, &channels, &encoding) != MPG123_OK) {
        return false;
    }
    if (encoding != MPG123_ENC_SIGNED_16 || rate <= 0 || rate > 192000 ||
        (channels != 1 && channels != 2)) {
        return false;
    }
    if (sound.channels != 0 && (sound.sampleRate != rate || sound.channels != channels)) {
        return false;
    }
    sound.sampleRate = static_cast<int>(rate);
    sound.channels = channels;
    return true;
}

bool Append(const unsigned char* audio, std::size_t bytes, PcmSound& sound) {
    if (bytes == 0) {
        return true;  // frames swallowed by the encoder delay decode to nothing
    }
    const std::size_t frameBytes = sizeof(std::int16_t) * static_cast<std::size_t>(sound.channels);
    if (audio == nullptr || sound.channels == 0 || bytes % frameBytes != 0) {
        return false;
    }
    const std::size_t added = bytes / sizeof(std::int16_t);
    const std::size_t old = sound.samples.size();
    if (added > kMaxSamples - old) {
        return false;
    }
    sound.samples.resize(old + added);
    std::memcpy(sound.samples.data() + old, audio, bytes);
    return true;
}

// After the decoder has asked for more input: the bytes ended cleanly only when none are left over
// (a cut inside a frame leaves its start unread) and when no frames that the stream's info frame
// announces are missing (a cut between frames).
bool EndedCleanly(mpg123_handle* handle, const PcmSound& sound) {
    long leftover = -1;
    double leftoverAsDouble = 0;
    if (mpg123_getstate(handle, MPG123_BUFFERFILL, &leftover, &leftoverAsDouble) != MPG123_OK ||
        leftover != 0) {
        return false;
    }
    if (sound.samples.empty()) {
        return false;
    }
    const auto decodedFrames = static_cast<off_t>(sound.samples.size()) / sound.channels;
    const off_t announcedFrames = mpg123_length(handle);
    return announcedFrames <= 0 || decodedFrames >= announcedFrames;
}

std::optional<PcmSound> Decode(std::span<const std::uint8_t> bytes) {
    const std::optional<std::size_t> start = AudioStart(bytes);
    if (!start || !FrameHeaderAt(bytes, *start)) {
        return std::nullopt;
    }
    InitLibraryOnce();
    int error = MPG123_OK;
    const Handle handle(mpg123_new(nullptr, &error));
    if (!handle) {
        return std::nullopt;
    }
    // Quiet: a broken file is an answer, not something to print. No resync: damage mid-stream
    // ends the decoding with an error instead of skipping ahead to whatever looks like a frame.
    if (mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_NO_RESYNC, 0) !=
            MPG123_OK ||
        !AskForSigned16(handle.get()) || mpg123_open_feed(handle.get()) != MPG123_OK ||
        mpg123_feed(handle.get(), bytes.data(), bytes.size()) != MPG123_OK) {
        return std::nullopt;
    }

    PcmSound sound;
    for (;;) {
        off_t frameNumber = 0;
        unsigned char* audio = nullptr;
        std::size_t audioBytes = 0;
        const int result = mpg123_decode_frame(handle.get(), &frameNumber, &audio, &audioBytes);
        if (result == MPG123_NEW_FORMAT) {
            if (!TakeFormat(handle.get(), sound)) {
                return std::nullopt;
            }
        } else if (result == MPG123_OK) {
            if (!Append(audio, audioBytes, sound)) {
                return std::nullopt;
            }
        } else if (result == MPG123_NEED_MORE || result == MPG123_DONE) {
            break;  // all bytes fed have been read
        } else {
            return std::nullopt;
        }
    }
    if (!EndedCleanly(handle.get(), sound)) {
        return std::nullopt;
    }
    return sound;
}

std::optional<std::vector<std::uint8_t>> ReadFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > kMaxFileBytes) {
        return std::nullopt;
    }
    std::ifstream in(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size))) {
        return std::nullopt;  // unreadable, or shrank since its size was taken
    }
    return bytes;
}

}  // namespace

double PcmSound::Seconds() const {
    if (sampleRate <= 0 || channels <= 0) {
        return 0.0;
    }
    return static_cast<double>(samples.size() / static_cast<std::size_t>(channels)) / sampleRate;
}

std::optional<PcmSound> DecodeMp3(std::span<const std::uint8_t> bytes) {
    try {
        return Decode(bytes);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

std::optional<PcmSound> DecodeMp3File(const std::string& path) {
    try {
        const std::optional<std::vector<std::uint8_t>> bytes = ReadFile(path);
        if (!bytes) {
            return std::nullopt;
        }
        return Decode(*bytes);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace fw
