#include "framework/sound_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const std::string kShippedSound = std::string(BRENQUILL_SOURCE_DIR) + "/resources/cashregister.mp3";

Bytes ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteAll(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes RandomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    Bytes bytes(count);
    std::generate(bytes.begin(), bytes.end(),
                  [&] { return static_cast<std::uint8_t>(generator()); });
    return bytes;
}

Bytes Concat(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// An ID3v2.3 tag holding `padding` zero bytes, its size stored in 7-bit groups.
Bytes Id3v2Tag(std::size_t padding, bool withFooter) {
    Bytes tag = {'I', 'D', '3', 3, 0, static_cast<std::uint8_t>(withFooter ? 0x10 : 0)};
    for (int shift = 21; shift >= 0; shift -= 7) {
        tag.push_back(static_cast<std::uint8_t>((padding >> shift) & 0x7F));
    }
    tag.resize(tag.size() + padding, 0);
    if (withFooter) {
        Bytes footer(tag.begin(), tag.begin() + 10);
        footer[0] = '3';
        footer[1] = 'D';
        footer[2] = 'I';
        tag = Concat(tag, footer);
    }
    return tag;
}

// Where each frame of the shipped sound (tag-free MPEG-1 Layer III) starts. Throws, failing the
// test, when the frames do not fill the bytes exactly.
std::vector<std::size_t> FrameStarts(const Bytes& mp3) {
    static constexpr int kKbps[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                      112, 128, 160, 192, 224, 256, 320, 0};
    static constexpr int kRates[4] = {44100, 48000, 32000, 0};
    std::vector<std::size_t> starts;
    std::size_t at = 0;
    while (at + 4 <= mp3.size()) {
        const int kbps = kKbps[mp3[at + 2] >> 4];
        const int rate = kRates[(mp3[at + 2] >> 2) & 0x3];
        if (mp3[at] != 0xFF || (mp3[at + 1] & 0xFE) != 0xFA || kbps == 0 || rate == 0) {
            break;
        }
        starts.push_back(at);
        at += static_cast<std::size_t>(144000 * kbps / rate + ((mp3[at + 2] >> 1) & 1));
    }
    if (at != mp3.size() || starts.size() < 3) {
        throw std::runtime_error("the shipped sound is no longer plain MPEG-1 Layer III");
    }
    return starts;
}

Bytes FirstBytes(const Bytes& bytes, std::size_t count) {
    if (count > bytes.size()) {
        throw std::runtime_error("the shipped sound is shorter than the test expects");
    }
    return Bytes(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(count));
}

// The stream without its first frame, the encoder's info frame, which announces the frame count
// and the encoder's delay and padding.
Bytes WithoutInfoFrame(const Bytes& mp3) {
    const std::size_t secondFrame = FrameStarts(mp3)[1];
    const std::string head(mp3.begin(), mp3.begin() + static_cast<std::ptrdiff_t>(secondFrame));
    if (head.find("Info") == std::string::npos && head.find("Xing") == std::string::npos) {
        throw std::runtime_error("the shipped sound has no info frame");
    }
    return Bytes(mp3.begin() + static_cast<std::ptrdiff_t>(secondFrame), mp3.end());
}

Bytes WithMiddleFrameHeaderZeroed(Bytes mp3) {
    const std::vector<std::size_t> starts = FrameStarts(mp3);
    std::fill_n(mp3.begin() + static_cast<std::ptrdiff_t>(starts[starts.size() / 2]), 4, 0);
    return mp3;
}

class TempDir {
  public:
    TempDir() {
        std::random_device seed;
        path_ = fs::temp_directory_path() / ("sound_file_test-" + std::to_string(seed()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

double Rms(const std::vector<std::int16_t>& samples) {
    double sum = 0;
    for (const std::int16_t s : samples) {
        sum += static_cast<double>(s) * s;
    }
    return samples.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

int Peak(const std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (const std::int16_t s : samples) {
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    return peak;
}

TEST(ShippedCashRegisterSound, LastsAboutOneSecond) {
    const auto sound = fw::DecodeMp3File(kShippedSound);
    ASSERT_TRUE(sound.has_value());
    EXPECT_GE(sound->Seconds(), 0.6);
    EXPECT_LE(sound->Seconds(), 1.6);
}

TEST(ShippedCashRegisterSound, IsAudible) {
    const auto sound = fw::DecodeMp3File(kShippedSound);
    ASSERT_TRUE(sound.has_value());
    EXPECT_GT(Rms(sound->samples), 300.0);  // about -40 dB of full scale
    EXPECT_GT(Peak(sound->samples), 8000);  // about -12 dB
}

TEST(Mp3WithoutInfoFrame, DecodesEveryFrame) {
    const TempDir dir;
    const fs::path path = dir.path() / "bare.mp3";
    const Bytes bare = WithoutInfoFrame(ReadAll(kShippedSound));
    WriteAll(path, bare);
    const auto sound = fw::DecodeMp3File(path.string());
    ASSERT_TRUE(sound.has_value());
    constexpr std::size_t kSamplesPerFrame = 1152;  // MPEG-1 Layer III
    EXPECT_EQ(sound->samples.size(), FrameStarts(bare).size() * kSamplesPerFrame *
                                         static_cast<std::size_t>(sound->channels));
}

// What a file holds, made from the shipped sound's bytes; nothing for no file at all.
struct FileRow {
    const char* name;
    std::optional<Bytes> (*contents)(const Bytes& shipped);
};

std::string RowName(const testing::TestParamInfo<FileRow>& info) {
    return info.param.name;
}

std::optional<fw::PcmSound> DecodeRow(const FileRow& row) {
    const TempDir dir;
    const fs::path path = dir.path() / "cashregister.mp3";
    if (const std::optional<Bytes> contents = row.contents(ReadAll(kShippedSound))) {
        WriteAll(path, *contents);
    }
    return fw::DecodeMp3File(path.string());
}

TEST(SoundPath, DirectoryGivesNothing) {
    const TempDir dir;
    fs::create_directory(dir.path() / "cashregister.mp3");
    EXPECT_FALSE(fw::DecodeMp3File((dir.path() / "cashregister.mp3").string()).has_value());
}

class RefusedFile : public testing::TestWithParam<FileRow> {};

TEST_P(RefusedFile, GivesNothing) {
    EXPECT_FALSE(DecodeRow(GetParam()).has_value());
}

const std::string kLoanText = "Loan 250000, rate 4.5%, 30 years: monthly payment 1266.71\n";

const FileRow kNotMp3[] = {
    {"MissingFile", [](const Bytes&) -> std::optional<Bytes> { return std::nullopt; }},
    {"EmptyFile", [](const Bytes&) -> std::optional<Bytes> { return Bytes{}; }},
    {"TextFile",
     [](const Bytes&) -> std::optional<Bytes> {
         std::string text;
         for (int i = 0; i < 200; ++i) {
             text += kLoanText;
         }
         return Text(text);
     }},
    {"RandomBytes", [](const Bytes&) -> std::optional<Bytes> { return RandomBytes(8000, 7); }},
    {"RandomBytesAfterARealFrameHeader",
     [](const Bytes& s) -> std::optional<Bytes> {
         return Concat(FirstBytes(s, 4), RandomBytes(8000, 11));
     }},
    {"TextBeforeTheSound",
     [](const Bytes& s) -> std::optional<Bytes> { return Concat(Text(kLoanText), s); }},
    {"Id3TagBeforeText",
     [](const Bytes&) -> std::optional<Bytes> {
         return Concat(Id3v2Tag(32, false), Text(kLoanText));
     }},
    {"Id3TagLongerThanTheFile",
     [](const Bytes& s) -> std::optional<Bytes> {
         Bytes tag = Id3v2Tag(64, false);
         tag[6] = 0x7F;  // claims some 256 MB
         return Concat(tag, s);
     }},
};
INSTANTIATE_TEST_SUITE_P(NotMp3, RefusedFile, testing::ValuesIn(kNotMp3), RowName);

const FileRow kDamagedMp3[] = {
    {"FirstHalf",
     [](const Bytes& s) -> std::optional<Bytes> { return FirstBytes(s, s.size() / 2); }},
    {"AllButTheLastFiveBytes",
     [](const Bytes& s) -> std::optional<Bytes> { return FirstBytes(s, s.size() - 5); }},
    {"FrameHeaderOnly", [](const Bytes& s) -> std::optional<Bytes> { return FirstBytes(s, 4); }},
    {"InfoFrameOnly",
     [](const Bytes& s) -> std::optional<Bytes> { return FirstBytes(s, FrameStarts(s)[1]); }},
    {"WithoutTheLastFrame",
     [](const Bytes& s) -> std::optional<Bytes> { return FirstBytes(s, FrameStarts(s).back()); }},
    // Without the info frame only the stream's own structure can show the damage.
    {"NoInfoFrameAllButTheLastFiveBytes",
     [](const Bytes& s) -> std::optional<Bytes> {
         const Bytes bare = WithoutInfoFrame(s);
         return FirstBytes(bare, bare.size() - 5);
     }},
    {"NoInfoFrameHeaderZeroedMidway",
     [](const Bytes& s) -> std::optional<Bytes> {
         return WithMiddleFrameHeaderZeroed(WithoutInfoFrame(s));
     }},
};
INSTANTIATE_TEST_SUITE_P(DamagedMp3, RefusedFile, testing::ValuesIn(kDamagedMp3), RowName);

class TaggedCopy : public testing::TestWithParam<FileRow> {};

TEST_P(TaggedCopy, DecodesLikeTheShippedSound) {
    const auto shipped = fw::DecodeMp3File(kShippedSound);
    const auto tagged = DecodeRow(GetParam());
    ASSERT_TRUE(shipped.has_value());
    ASSERT_TRUE(tagged.has_value());
    EXPECT_EQ(tagged->sampleRate, shipped->sampleRate);
    EXPECT_EQ(tagged->channels, shipped->channels);
    EXPECT_EQ(tagged->samples, shipped->samples);
}

const FileRow kTagged[] = {
    {"Id3v2TagInFront",
     [](const Bytes& s) -> std::optional<Bytes> { return Concat(Id3v2Tag(100, false), s); }},
    {"Id3v2TagWithFooterInFront",
     [](const Bytes& s) -> std::optional<Bytes> { return Concat(Id3v2Tag(100, true), s); }},
    {"Id3v1TagAtTheEnd",
     [](const Bytes& s) -> std::optional<Bytes> {
         Bytes tag = Text("TAGCash register");
         tag.resize(128, 0);
         return Concat(s, tag);
     }},
};
INSTANTIATE_TEST_SUITE_P(Tags, TaggedCopy, testing::ValuesIn(kTagged), RowName);

}  // namespace
