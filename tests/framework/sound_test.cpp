// The cash-register sound: bytes decode only when they are a whole MP3, tags around the audio are
// skipped, and a Play that finds no audio output ends at once and quietly, saying which way.

#include <QString>

#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>

#include "framework/qt/audio_device.h"
#include "framework/sound_file.h"
#include "tests/support/rows.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Samples = std::vector<std::int16_t>;
using rows::PrintTo;

const std::string kShippedFile = BRENQUILL_SOURCE_DIR "/resources/cashregister.mp3";

const Bytes& Shipped() {
    static const Bytes bytes = [] {
        std::ifstream in(kShippedFile, std::ios::binary);
        return Bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }();
    return bytes;
}

Bytes Join(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// An ID3v2 tag: its header, whose last four bytes give the size (330) in 7-bit groups, then a
// title frame filling it; a footer repeats the header as "3DI".
Bytes Id3v2Tag(bool footer) {
    Bytes tag = {'I', 'D', '3', 4, 0, std::uint8_t(footer ? 0x10 : 0), 0, 0, 2, 0x4A};
    tag = Join(tag, Join({'T', 'I', 'T', '2', 0, 0, 2, 64, 0, 0, 3}, Bytes(319, 'a')));
    return footer ? Join(tag, {'3', 'D', 'I', 4, 0, 0x10, 0, 0, 2, 0x4A}) : tag;
}

// The shipped sound is 64 kbit/s mono at 44.1 kHz: an Info frame of 208 bytes, then frames of 209.
Bytes WithRateByte(Bytes bytes, std::uint8_t bits) {
    bytes[2] |= bits;
    return bytes;
}

struct FileRow {
    std::string name;
    Bytes (*contents)();
    bool sameSound;  // else refused
};

class DecodeTest : public testing::TestWithParam<FileRow> {};

TEST_P(DecodeTest, GivesTheShippedSoundOrNothing) {
    const std::optional<fw::PcmSound> shipped = fw::DecodeMp3File(kShippedFile);
    ASSERT_TRUE(shipped.has_value());
    const std::optional<fw::PcmSound> sound = fw::DecodeMp3(GetParam().contents());
    ASSERT_EQ(sound.has_value(), GetParam().sameSound);
    if (sound) {
        EXPECT_EQ(sound->samples, shipped->samples);
        EXPECT_EQ(std::pair(sound->sampleRate, sound->channels),
                  std::pair(shipped->sampleRate, shipped->channels));
    }
}

const std::string kLoanLine = "Loan 250000, rate 4.5%, 30 years: monthly payment 1266.71\n";
const Bytes kLoanText(kLoanLine.begin(), kLoanLine.end());

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, DecodeTest, testing::Values(
    FileRow{"Shipped", [] { return Shipped(); }, true},
    FileRow{"TaggedInFront", [] { return Join(Id3v2Tag(false), Shipped()); }, true},
    FileRow{"TaggedWithFooter", [] { return Join(Id3v2Tag(true), Shipped()); }, true},
    FileRow{"TitleTagAtTheEnd", [] {
        return Join(Shipped(), Join({'T', 'A', 'G'}, Bytes(125, ' '))); }, true},
    FileRow{"Empty", [] { return Bytes{}; }, false},
    FileRow{"Text", [] { return kLoanText; }, false},
    FileRow{"FrameHeaderOnly", [] { return Bytes(Shipped().begin(), Shipped().begin() + 4); }, false},
    FileRow{"TagBeforeText", [] { return Join(Id3v2Tag(false), kLoanText); }, false},
    FileRow{"TagLongerThanTheFile", [] {
        return Join({'I', 'D', '3', 3, 0, 0, 0x7F, 0x7F, 0x7F, 0x7F}, Shipped()); }, false},
    FileRow{"AllButTheLastFiveBytes", [] {
        return Bytes(Shipped().begin(), Shipped().end() - 5); }, false},
    FileRow{"TextAfterTheLastFrame", [] { return Join(Shipped(), kLoanText); }, false},
    FileRow{"TagSizeByteWithTopBitSet", [] {
        return Join({'I', 'D', '3', 3, 0, 0, 0, 0, 0, 0x80}, Shipped()); }, false},
    FileRow{"AllButTheLastFrame", [] { return Bytes(Shipped().begin(), Shipped().end() - 209); }, false},
    FileRow{"NoInfoFrameCutInsideTheLast", [] {
        return Bytes(Shipped().begin() + 208, Shipped().end() - 5); }, false},
    FileRow{"ReservedRateInTheFirstHeader", [] { return WithRateByte(Shipped(), 0x0C); }, false}),
    RowName<FileRow>);
// clang-format on

TEST(ShippedCashRegisterSound, IsAudibleAndMissingFilesGiveNothing) {
    const auto sound = fw::DecodeMp3File(kShippedFile);
    ASSERT_TRUE(sound.has_value());
    double sum = 0;
    int peak = 0;
    for (const std::int16_t s : sound->samples) {
        sum += static_cast<double>(s) * s;
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    }
    EXPECT_GT(std::sqrt(sum / static_cast<double>(sound->samples.size())), 300.0);  // ~ -40 dB
    EXPECT_GT(peak, 8000);                                                          // ~ -12 dB
    EXPECT_FALSE(fw::DecodeMp3File("/nonexistent/cashregister.mp3").has_value());
}

// ---- Playing where there is no audio output -----------------------------------------------------

// No sound server answers, whatever the machine has: it is looked for where none can be. The second
// Play finds what the first left (a module already sought, a device already tried), and a sound
// that cannot be played is refused before any device is looked for.
TEST(PlayWithoutAudioOutput, EndsAtOnceSayingWhyAndPrintsNothing) {
    qputenv("PULSE_SERVER", "unix:/nonexistent/brenquill-audio-test/native");
    static std::vector<std::string> said;  // what Qt writes to the console meanwhile
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            said.push_back(text.toStdString());
        });
    auto stereo = std::make_shared<fw::PcmSound>(fw::PcmSound{44100, 2, Samples(44100)});
    auto halfFrame = std::make_shared<fw::PcmSound>(fw::PcmSound{44100, 2, Samples(4411)});
    auto noRate = std::make_shared<fw::PcmSound>(fw::PcmSound{0, 1, Samples(4410)});
    using enum fw::AudioOutcome;
    for (int twice = 0; twice < 2; ++twice) {
        EXPECT_EQ(fw::PlayThroughAudioModule("/nonexistent/brenquill_audio", stereo),
                  ModuleMissing);
        EXPECT_EQ(fw::PlayThroughAudioModule(BRENQUILL_AUDIO_MODULE, stereo), NoAudioDevice);
        EXPECT_EQ(fw::PlayThroughAudioModule(BRENQUILL_AUDIO_MODULE, nullptr), NotPlayable);
        EXPECT_EQ(fw::PlayThroughAudioModule(BRENQUILL_AUDIO_MODULE, halfFrame), NotPlayable);
        EXPECT_EQ(fw::PlayThroughAudioModule(BRENQUILL_AUDIO_MODULE, noRate), NotPlayable);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(said, std::vector<std::string>{});
}

}  // namespace
