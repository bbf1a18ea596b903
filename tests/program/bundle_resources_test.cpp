// The bundle's pictures and sound: what each loader keeps, what it seeks again, and what a missing
// or broken file gives. Each test reads a Resources folder of its own, filled from the shipped
// assets.

#include <QTemporaryDir>

#include <filesystem>

#include "app/bundle_resources.h"
#include "framework/resources.h"
#include "tests/support/program_fixture.h"
#include "tests/support/rows.h"

namespace {

namespace fs = std::filesystem;
using rows::PrintTo;

const fs::path kShipped = fs::path(BRENQUILL_SOURCE_DIR) / "resources";
constexpr char kSoundFile[] = "cashregister.mp3";

class BundleResourcesTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        fs::create_directories(resources_);
        fw::SetApplicationBundleResourcesForTesting(resources_);
    }
    void TearDown() override {
        fw::SetApplicationBundleResourcesForTesting({});
        ProgramTest::TearDown();
    }
    // Puts the shipped file into the folder, in place of whatever is there.
    void Ship(const std::string& file) {
        fs::create_directories(resources_);
        fs::remove_all(resources_ / file);
        fs::copy_file(kShipped / file, resources_ / file);
    }

    QTemporaryDir root_;
    fs::path resources_ = fs::path(root_.path().toStdString()) / "Resources";
};

TEST_F(BundleResourcesTest, PicturesAndSoundAreReadOnceAndKept) {
    Ship("loanCalc.png");
    fs::create_symlink(kShipped / kSoundFile, resources_ / kSoundFile);  // as some packagers do
    // Only the addresses are held, so a loader that kept nothing of its own fails here too.
    const fw::Picture* picture = loanCalc().get();
    const fw::Sound* sound = cashregister().get();
    ASSERT_NE(picture, nullptr);
    ASSERT_NE(sound, nullptr);
    fs::remove_all(resources_);
    EXPECT_EQ(loanCalc().get(), picture);
    EXPECT_EQ(cashregister().get(), sound);
}

// Leaves the bundle without a readable sound file.
struct Damage {
    std::string name;
    void (*apply)(const fs::path& resources);
};

class MissingSound : public BundleResourcesTest, public testing::WithParamInterface<Damage> {};

TEST_P(MissingSound, GivesNothingForTheRestOfTheRunEvenWhenPutBack) {
    GetParam().apply(resources_);
    EXPECT_EQ(cashregister(), nullptr);
    Ship(kSoundFile);
    EXPECT_EQ(cashregister(), nullptr);
    // The next start of the program seeks it again.
    fw::RuntimePerformFinalizers();
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
    EXPECT_NE(cashregister(), nullptr);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Damages, MissingSound, testing::Values(
    Damage{"MissingResourcesFolder", [](const fs::path& r) { fs::remove_all(r); }},
    Damage{"MissingFile", [](const fs::path&) {}},
    Damage{"FirstHalfOnly", [](const fs::path& r) {
        fs::copy_file(kShipped / kSoundFile, r / kSoundFile);
        fs::resize_file(r / kSoundFile, fs::file_size(r / kSoundFile) / 2); }}),
    RowName<Damage>);
// clang-format on

}  // namespace
