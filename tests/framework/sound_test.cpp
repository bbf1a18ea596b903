// The cash-register sound: a file decodes only when it is a whole MP3, and a Play that finds no
// audio output ends at once and quietly, saying which way it ended.

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/rows.h"

#include "framework/qt/audio_device.h"
#include "framework/sound_file.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kShipped = fs::path(BRENQUILL_SOURCE_DIR) / "resources/cashregister.mp3";

// ---- Decoding -----------------------------------------------------------------------------------

Bytes Join(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// What a file holds, made from the shipped sound's bytes; nothing for no file at all.
struct FileRow {
    const char* name;
    std::optional<Bytes> (*contents)(const Bytes& shipped);
};

class RefusedFile : public testing::TestWithParam<FileRow> {
  protected:
    void SetUp() override {
        folder_ =
            fs::temp_directory_path() / ("sound_test-" + std::to_string(std::random_device()()));
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

TEST_P(RefusedFile, GivesNothing) {
    const fs::path path = folder_ / "cashregister.mp3";
    std::ifstream in(kShipped, std::ios::binary);
    const Bytes shipped{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_GT(shipped.size(), 1000u);
    if (const std::optional<Bytes> contents = GetParam().contents(shipped)) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(contents->data()),
                   static_cast<std::streamsize>(contents->size()));
    }
    EXPECT_FALSE(fw::DecodeMp3File(path.string()).has_value());
}

const std::string kLoanLine = "Loan 250000, rate 4.5%, 30 years: monthly payment 1266.71\n";
const Bytes kLoanText(kLoanLine.begin(), kLoanLine.end());
// An ID3v2 tag's header; the last four bytes give its size in 7-bit groups.
const Bytes kEmptyId3Tag = {'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0};
const Bytes kHugeId3Tag = {'I', 'D', '3', 3, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F};  // some 256 MB

// clang-format off
const FileRow kRefused[] = {
    {"MissingFile", [](const Bytes&) -> std::optional<Bytes> { return std::nullopt; }},
    {"EmptyFile", [](const Bytes&) -> std::optional<Bytes> { return Bytes{}; }},
    {"TextFile", [](const Bytes&) -> std::optional<Bytes> { return kLoanText; }},
    {"FrameHeaderOnly", [](const Bytes& s) -> std::optional<Bytes> {
         return Bytes(s.begin(), s.begin() + 4);
     }},
    {"TagBeforeText", [](const Bytes&) -> std::optional<Bytes> {
         return Join(kEmptyId3Tag, kLoanText);
     }},
    {"TagLongerThanTheFile", [](const Bytes& s) -> std::optional<Bytes> {
         return Join(kHugeId3Tag, s);
     }},
    {"AllButTheLastFiveBytes", [](const Bytes& s) -> std::optional<Bytes> {
         return Bytes(s.begin(), s.end() - 5);
     }},
};
// clang-format on
INSTANTIATE_TEST_SUITE_P(Files, RefusedFile, testing::ValuesIn(kRefused), RowName<FileRow>);

TEST(ShippedCashRegisterSound, IsAudible) {
    const auto sound = fw::DecodeMp3File(kShipped.string());
    ASSERT_TRUE(sound.has_value());
    double sum = 0;
    int peak = 0;
    for (const std::int16_t s : sound->samples) {
        sum += static_cast<double>(s) * s;
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    EXPECT_GT(std::sqrt(sum / static_cast<double>(sound->samples.size())), 300.0);  // ~ -40 dB
    EXPECT_GT(peak, 8000);                                                          // ~ -12 dB
}

// ---- Playing where there is no audio output -----------------------------------------------------

std::shared_ptr<const fw::PcmSound> Pcm(int rate, int channels, std::size_t samples) {
    auto sound = std::make_shared<fw::PcmSound>();
    sound->sampleRate = rate;
    sound->channels = channels;
    sound->samples.assign(samples, 1000);
    return sound;
}

std::shared_ptr<const fw::PcmSound> ShippedSound() {
    std::optional<fw::PcmSound> sound = fw::DecodeMp3File(kShipped.string());
    return sound ? std::make_shared<const fw::PcmSound>(std::move(*sound)) : nullptr;
}

struct PlayRow {
    const char* name;
    fs::path module;
    std::shared_ptr<const fw::PcmSound> sound;
    fw::AudioOutcome outcome;
};

class PlayTest : public testing::TestWithParam<PlayRow> {
  protected:
    // Runs where no sound server answers, whatever the machine has: the server is looked for at
    // an address where none can be.
    static void SetUpTestSuite() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/brenquill-audio-test/native");
    }
};

// The second Play finds what the first one left: a module already sought, a device already tried.
TEST_P(PlayTest, EndsAtOnceAndSaysNothing) {
    static std::vector<std::string> said;  // what Qt writes to the console meanwhile
    said.clear();
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            said.push_back(text.toStdString());
        });
    EXPECT_EQ(fw::PlayThroughAudioModule(GetParam().module, GetParam().sound), GetParam().outcome);
    EXPECT_EQ(fw::PlayThroughAudioModule(GetParam().module, GetParam().sound), GetParam().outcome);
    qInstallMessageHandler(previous);
    EXPECT_EQ(said, std::vector<std::string>{});
}

using Outcome = fw::AudioOutcome;
const fs::path kModule = BRENQUILL_AUDIO_MODULE;

// A sound that cannot be played is refused before any device is looked for.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Sounds, PlayTest, testing::Values(
    PlayRow{"NoModuleThere", "/nonexistent/brenquill_audio", ShippedSound(), Outcome::ModuleMissing},
    PlayRow{"RealModuleWithoutADevice", kModule, ShippedSound(), Outcome::NoAudioDevice},
    PlayRow{"NoSound", kModule, nullptr, Outcome::NotPlayable},
    PlayRow{"NoSamples", kModule, Pcm(44100, 1, 0), Outcome::NotPlayable},
    PlayRow{"NoSampleRate", kModule, Pcm(0, 1, 4410), Outcome::NotPlayable},
    PlayRow{"HalfAStereoFrame", kModule, Pcm(44100, 2, 4411), Outcome::NotPlayable}),
    RowName<PlayRow>);
// clang-format on

}  // namespace
