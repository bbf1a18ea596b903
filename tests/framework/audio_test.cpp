// The real audio output on a machine without sound: every way a Play can find no output ends
// quietly and at once, and says which way it ended.

#include <QCoreApplication>
#include <QString>

#include <dlfcn.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "framework/qt/audio_device.h"
#include "framework/resources.h"
#include "framework/services.h"
#include "framework/sound.h"
#include "framework/sound_file.h"

namespace {

namespace fs = std::filesystem;

const fs::path kShippedSound = fs::path(BRENQUILL_SOURCE_DIR) / "resources/cashregister.mp3";
const fs::path kAudioModule = BRENQUILL_AUDIO_MODULE;

template <class Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

std::shared_ptr<const fw::PcmSound> ShippedSound() {
    std::optional<fw::PcmSound> sound = fw::DecodeMp3File(kShippedSound.string());
    return sound ? std::make_shared<const fw::PcmSound>(std::move(*sound)) : nullptr;
}

// Everything Qt writes to the console while it exists.
class ConsoleCapture {
  public:
    ConsoleCapture() { previous_ = qInstallMessageHandler(&Record); }
    ~ConsoleCapture() {
        qInstallMessageHandler(previous_);
        Lines().clear();
    }
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;

    static std::vector<std::string>& Lines() {
        static std::vector<std::string> lines;
        return lines;
    }

  private:
    static void Record(QtMsgType, const QMessageLogContext&, const QString& text) {
        Lines().push_back(text.toStdString());
    }
    QtMessageHandler previous_ = nullptr;
};

// Every test here runs where no sound server answers, whatever the machine has: the server is
// looked for at an address where none can be.
class NoSoundServer : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        qputenv("PULSE_SERVER", "unix:/nonexistent/brenquill-audio-test/native");
    }
};

// --- Finding the module -------------------------------------------------------------------------

struct ModuleRow {
    const char* name;
    // The path the output is asked to load, made under a fresh folder.
    fs::path (*make)(const fs::path& folder);
};

void PrintTo(const ModuleRow& row, std::ostream* out) {
    *out << row.name;
}

// A real shared library that has no audio entry point: the one that holds Qt's core.
fs::path LibraryWithoutEntryPoint() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&qVersion), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    return info.dli_fname;
}

const ModuleRow kMissingModules[] = {
    {"NoFileThere", [](const fs::path& folder) { return folder / "brenquill_audio"; }},
    {"TextFileInItsPlace",
     [](const fs::path& folder) {
         std::ofstream(folder / "libbrenquill_audio.so") << "not a library\n";
         return folder / "brenquill_audio";
     }},
    {"FolderInItsPlace",
     [](const fs::path& folder) {
         fs::create_directory(folder / "libbrenquill_audio.so");
         return folder / "brenquill_audio";
     }},
    {"LibraryWithoutTheEntryPoint", [](const fs::path&) { return LibraryWithoutEntryPoint(); }},
};

class MissingModule : public NoSoundServer, public testing::WithParamInterface<ModuleRow> {
  protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("audio_test-" + std::to_string(seed()));
        fs::create_directories(folder_);
        module_ = GetParam().make(folder_);
        ASSERT_FALSE(module_.empty());
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    fs::path module_;

  private:
    fs::path folder_;
};

TEST_P(MissingModule, PlaysNothing) {
    EXPECT_EQ(fw::PlayThroughAudioModule(module_, ShippedSound()), fw::AudioOutcome::ModuleMissing);
}

TEST_P(MissingModule, SaysNothing) {
    const ConsoleCapture console;
    fw::PlayThroughAudioModule(module_, ShippedSound());
    fw::PlayThroughAudioModule(module_, ShippedSound());
    EXPECT_EQ(ConsoleCapture::Lines(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Modules, MissingModule, testing::ValuesIn(kMissingModules),
                         RowName<ModuleRow>);

// The tests' executable has no bundle around it, so the program's own path to the module finds
// nothing there.
TEST_F(NoSoundServer, PlayOutsideABundleSaysNothing) {
    ASSERT_FALSE(
        fs::exists(fs::path(fw::AudioModulePath()).replace_filename("libbrenquill_audio.so")));
    const ConsoleCapture console;
    fw::PlayThroughAudioDevice(ShippedSound());
    EXPECT_EQ(ConsoleCapture::Lines(), std::vector<std::string>{});
}

TEST_F(NoSoundServer, SoundPlayThroughTheRealServicesSaysNothing) {
    const std::shared_ptr<fw::Sound> sound =
        fw::FolderItem(kShippedSound.parent_path()).Child("cashregister.mp3")->OpenAsSound();
    ASSERT_NE(sound, nullptr);
    const fw::ScopedServices real(fw::RealServices());
    const ConsoleCapture console;
    sound->Play();
    sound->Play();
    EXPECT_EQ(ConsoleCapture::Lines(), std::vector<std::string>{});
}

// --- The real module, with no audio device ------------------------------------------------------

TEST_F(NoSoundServer, RealModuleWithoutADevicePlaysNothing) {
    EXPECT_EQ(fw::PlayThroughAudioModule(kAudioModule, ShippedSound()),
              fw::AudioOutcome::NoAudioDevice);
}

TEST_F(NoSoundServer, RealModuleWithoutADeviceSaysNothing) {
    const ConsoleCapture console;
    fw::PlayThroughAudioModule(kAudioModule, ShippedSound());
    fw::PlayThroughAudioModule(kAudioModule, ShippedSound());
    EXPECT_EQ(ConsoleCapture::Lines(), std::vector<std::string>{});
}

struct SoundRow {
    const char* name;
    std::shared_ptr<const fw::PcmSound> sound;
};

void PrintTo(const SoundRow& row, std::ostream* out) {
    *out << row.name;
}

std::shared_ptr<const fw::PcmSound> Pcm(int rate, int channels, std::size_t samples) {
    auto sound = std::make_shared<fw::PcmSound>();
    sound->sampleRate = rate;
    sound->channels = channels;
    sound->samples.assign(samples, 1000);
    return sound;
}

const SoundRow kUnplayable[] = {
    {"NoSound", nullptr},
    {"NoSamples", Pcm(44100, 1, 0)},
    {"NoSampleRate", Pcm(0, 1, 4410)},
    {"NegativeSampleRate", Pcm(-44100, 1, 4410)},
    {"NoChannels", Pcm(44100, 0, 4410)},
    {"HalfAStereoFrame", Pcm(44100, 2, 4411)},
};

class UnplayableSound : public NoSoundServer, public testing::WithParamInterface<SoundRow> {};

// Checked before any device is looked for, so these hold on machines with sound too.
TEST_P(UnplayableSound, IsRefused) {
    EXPECT_EQ(fw::PlayThroughAudioModule(kAudioModule, GetParam().sound),
              fw::AudioOutcome::NotPlayable);
}

INSTANTIATE_TEST_SUITE_P(Sounds, UnplayableSound, testing::ValuesIn(kUnplayable),
                         RowName<SoundRow>);

}  // namespace
