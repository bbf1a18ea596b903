// The bundle's pictures and sound: what each loader keeps, what it seeks again, and what a missing
// or broken file gives. Each test reads a Resources folder of its own, filled from the shipped
// assets.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "app/bundle_resources.h"
#include "framework/resources.h"
#include "tests/support/program_fixture.h"

namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(BRENQUILL_SOURCE_DIR) / "resources";
constexpr char kSoundFile[] = "cashregister.mp3";
constexpr char kLogoFile[] = "QuorvaneUpdatedLogosmall.png";

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class BundleResourcesTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        root_ = fs::temp_directory_path() /
                ("bundle_resources_test-" + std::to_string(std::random_device()()));
        fs::create_directories(resources_ = root_ / "Resources");
        fw::SetApplicationBundleResourcesForTesting(resources_);
    }
    void TearDown() override {
        fw::SetApplicationBundleResourcesForTesting({});
        ProgramTest::TearDown();
        fs::remove_all(root_);
    }

    // Puts the shipped file into the folder, making the folder and clearing whatever is in the
    // file's place first.
    void Ship(const std::string& file) {
        fs::create_directories(resources_);
        fs::remove_all(resources_ / file);
        fs::copy_file(kShipped / file, resources_ / file);
    }

    fs::path root_;
    fs::path resources_;
};

TEST_F(BundleResourcesTest, CalculatorPictureIsReadOnceAndKept) {
    Ship("loanCalc.png");
    // Only the address is held, so a loader that kept no picture of its own fails here too.
    const fw::Picture* first = loanCalc().get();
    ASSERT_NE(first, nullptr);
    fs::remove(resources_ / "loanCalc.png");
    EXPECT_EQ(loanCalc().get(), first);
}

TEST_F(BundleResourcesTest, SoundIsDecodedOnceAndKeptWithoutTheFiles) {
    Ship(kSoundFile);
    const std::shared_ptr<fw::Sound> first = cashregister();
    ASSERT_NE(first, nullptr);
    fs::remove_all(resources_);
    EXPECT_EQ(cashregister(), first);
}

// Leaves the bundle without a readable file of that name.
struct Damage {
    const char* name;
    void (*apply)(const fs::path& resources, const std::string& file);
};

void PrintTo(const Damage& row, std::ostream* out) {
    *out << row.name;
}

const Damage kDamages[] = {
    {"MissingResourcesFolder",
     [](const fs::path& resources, const std::string&) { fs::remove_all(resources); }},
    {"MissingFile", [](const fs::path&, const std::string&) {}},
    {"EmptyFile",
     [](const fs::path& resources, const std::string& file) { WriteText(resources / file, ""); }},
    {"TextFile",
     [](const fs::path& resources, const std::string& file) {
         WriteText(resources / file, "Loan 250000, rate 4.5%, 30 years\n");
     }},
    {"FirstHalfOnly",
     [](const fs::path& resources, const std::string& file) {
         std::ifstream in(kShipped / file, std::ios::binary);
         const std::string bytes(std::istreambuf_iterator<char>(in), {});
         WriteText(resources / file, bytes.substr(0, bytes.size() / 2));
     }},
};

TEST_F(BundleResourcesTest, MissingLogoIsSoughtOnEveryCallUntilTheFileAppears) {
    EXPECT_EQ(QuorvaneUpdatedLogosmall(), nullptr);
    EXPECT_EQ(QuorvaneUpdatedLogosmall(), nullptr);
    Ship(kLogoFile);
    const std::shared_ptr<fw::Picture> found = QuorvaneUpdatedLogosmall();
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(QuorvaneUpdatedLogosmall(), found);
}

class MissingSound : public BundleResourcesTest, public testing::WithParamInterface<Damage> {};

TEST_P(MissingSound, GivesNothingForTheRestOfTheRunEvenWhenPutBack) {
    GetParam().apply(resources_, kSoundFile);
    EXPECT_EQ(cashregister(), nullptr);
    Ship(kSoundFile);
    EXPECT_EQ(cashregister(), nullptr);
    // The next start of the program seeks it again.
    fw::RuntimePerformFinalizers();
    fw::RuntimeInit();
    fw::RuntimePerformInitializers();
    EXPECT_NE(cashregister(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Damages, MissingSound, testing::ValuesIn(kDamages),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
