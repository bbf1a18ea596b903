// The bundle's pictures and sound: what each loader keeps, what it seeks again, and what a missing
// or broken file gives. Each test reads a Resources folder of its own, filled from the shipped
// assets.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/bundle_resources.h"
#include "framework/picture.h"
#include "framework/qt/picture_impl.h"
#include "framework/resources.h"
#include "framework/runtime.h"
#include "framework/sound.h"
#include "framework/sound_file.h"
#include "tests/support/program_fixture.h"

namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(BRENQUILL_SOURCE_DIR) / "resources";
constexpr char kSoundFile[] = "cashregister.mp3";
constexpr char kLogoFile[] = "QuorvaneUpdatedLogosmall.png";

template <class Row>
std::string RowName(const testing::TestParamInfo<Row>& info) {
    return info.param.name;
}

void WriteText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// The first half of a shipped file.
void WriteHalfOf(const fs::path& shipped, const fs::path& path) {
    std::ifstream in(shipped, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    WriteText(path, bytes.substr(0, bytes.size() / 2));
}

class BundleResourcesTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        std::random_device seed;
        root_ = fs::temp_directory_path() / ("bundle_resources_test-" + std::to_string(seed()));
        fs::create_directories(Resources());
        fw::SetApplicationBundleResourcesForTesting(Resources());
    }
    void TearDown() override {
        fw::SetApplicationBundleResourcesForTesting({});
        ProgramTest::TearDown();
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }

    fs::path Resources() const { return root_ / "Resources"; }

    // Puts the shipped file into the folder, making the folder and clearing whatever is in the
    // file's place first.
    void Ship(const std::string& file) {
        fs::create_directories(Resources());
        fs::remove_all(Resources() / file);
        fs::copy_file(kShipped / file, Resources() / file);
    }

    // What the next start of the program sees: every loader starts without its resource.
    void NextRun() {
        fw::RuntimePerformFinalizers();
        fw::RuntimeInit();
        fw::RuntimePerformInitializers();
    }

  private:
    fs::path root_;
};

// --- The calculator picture: read once, then kept --------------------------------------------

TEST_F(BundleResourcesTest, LoanCalcTwoCallsGiveTheSameObject) {
    Ship("loanCalc.png");
    const std::shared_ptr<fw::Picture> first = loanCalc();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(loanCalc(), first);
}

TEST_F(BundleResourcesTest, LoanCalcIsNotReadAgainOnceHad) {
    Ship("loanCalc.png");
    const std::shared_ptr<fw::Picture> first = loanCalc();
    ASSERT_NE(first, nullptr);
    fs::remove(Resources() / "loanCalc.png");
    EXPECT_EQ(loanCalc(), first);
}

TEST_F(BundleResourcesTest, LoanCalcOutlivesItsCallersReferences) {
    Ship("loanCalc.png");
    const fw::Picture* first = loanCalc().get();
    ASSERT_NE(first, nullptr);
    fs::remove(Resources() / "loanCalc.png");
    EXPECT_EQ(loanCalc().get(), first);
}

TEST_F(BundleResourcesTest, EachPictureLoaderKeepsItsOwnPicture) {
    Ship("loanCalc.png");
    ASSERT_NE(loanCalc(), nullptr);
    EXPECT_EQ(QuorvaneUpdatedLogosmall(), nullptr);
}

TEST_F(BundleResourcesTest, PictureReadAgainAfterAFailedReadThrew) {
    Ship("loanCalc.png");
    fw::SetUiOperationHook([](const char* operation) {
        if (std::string(operation) == "Picture.OpenFromApp") {
            throw std::runtime_error("read failed");
        }
    });
    EXPECT_THROW(loanCalc(), std::runtime_error);
    fw::SetUiOperationHook(nullptr);
    EXPECT_NE(loanCalc(), nullptr);
}

TEST_F(BundleResourcesTest, EveryRunReadsThePictureAfresh) {
    Ship("loanCalc.png");
    const std::shared_ptr<fw::Picture> first = loanCalc();
    ASSERT_NE(first, nullptr);
    NextRun();
    EXPECT_NE(loanCalc(), first);
}

// --- A picture that cannot be had is sought again on every call -------------------------------

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
         WriteHalfOf(kShipped / file, resources / file);
     }},
    {"FolderInItsPlace", [](const fs::path& resources,
                            const std::string& file) { fs::create_directory(resources / file); }},
    {"DanglingSymlink",
     [](const fs::path& resources, const std::string& file) {
         fs::create_symlink(resources / "gone", resources / file);
     }},
};

class MissingLogo : public BundleResourcesTest, public testing::WithParamInterface<Damage> {};

TEST_P(MissingLogo, GivesNothingOnEveryCall) {
    GetParam().apply(Resources(), kLogoFile);
    EXPECT_EQ(QuorvaneUpdatedLogosmall(), nullptr);
    EXPECT_EQ(QuorvaneUpdatedLogosmall(), nullptr);
    EXPECT_EQ(QuorvaneUpdatedLogosmall(), nullptr);
}

TEST_P(MissingLogo, IsFoundByTheFirstCallAfterTheFileAppears) {
    GetParam().apply(Resources(), kLogoFile);
    ASSERT_EQ(QuorvaneUpdatedLogosmall(), nullptr);
    Ship(kLogoFile);
    const std::shared_ptr<fw::Picture> found = QuorvaneUpdatedLogosmall();
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(QuorvaneUpdatedLogosmall(), found);
}

INSTANTIATE_TEST_SUITE_P(Damages, MissingLogo, testing::ValuesIn(kDamages), RowName<Damage>);

// --- The sound: sought once per run -------------------------------------------------------------

TEST_F(BundleResourcesTest, CashRegisterIsTheShippedSoundOfAboutOneSecond) {
    Ship(kSoundFile);
    const std::shared_ptr<fw::Sound> sound = cashregister();
    ASSERT_NE(sound, nullptr);
    EXPECT_GE(sound->Samples()->Seconds(), 0.6);
    EXPECT_LE(sound->Samples()->Seconds(), 1.6);
}

TEST_F(BundleResourcesTest, CashRegisterLaterCallsGiveTheSameObjectWithoutTheFiles) {
    Ship(kSoundFile);
    const std::shared_ptr<fw::Sound> first = cashregister();
    ASSERT_NE(first, nullptr);
    fs::remove_all(Resources());
    EXPECT_EQ(cashregister(), first);
    EXPECT_EQ(cashregister(), first);
}

TEST_F(BundleResourcesTest, CashRegisterFollowsASymlinkedFile) {
    fs::create_symlink(kShipped / kSoundFile, Resources() / kSoundFile);
    EXPECT_NE(cashregister(), nullptr);
}

class MissingSound : public BundleResourcesTest, public testing::WithParamInterface<Damage> {};

TEST_P(MissingSound, GivesNothingOnEveryCall) {
    GetParam().apply(Resources(), kSoundFile);
    EXPECT_EQ(cashregister(), nullptr);
    EXPECT_EQ(cashregister(), nullptr);
    EXPECT_EQ(cashregister(), nullptr);
}

TEST_P(MissingSound, PutBackIsIgnoredUntilTheNextRun) {
    GetParam().apply(Resources(), kSoundFile);
    ASSERT_EQ(cashregister(), nullptr);
    Ship(kSoundFile);
    EXPECT_EQ(cashregister(), nullptr);
    NextRun();
    EXPECT_NE(cashregister(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Damages, MissingSound, testing::ValuesIn(kDamages), RowName<Damage>);

// --- The framework's look-ups that the loaders rely on -----------------------------------------

TEST(ShippedSoundFile, OpensAsASoundOfAboutOneSecond) {
    const std::shared_ptr<fw::FolderItem> file = fw::FolderItem(kShipped).Child(kSoundFile, true);
    ASSERT_NE(file, nullptr);
    const std::shared_ptr<fw::Sound> sound = file->OpenAsSound();
    ASSERT_NE(sound, nullptr);
    EXPECT_GE(sound->Samples()->Seconds(), 0.6);
    EXPECT_LE(sound->Samples()->Seconds(), 1.6);
}

// A shipped file put into the Resources folder under another name.
struct Placed {
    const char* shipped;
    const char* as;
};

// Which files of a Resources folder make the picture of a bare name, on a screen of normal density
// (the tests' screen).
struct PictureFiles {
    const char* name;
    const char* requested;
    std::vector<Placed> files;
    int expectedWidth;  // 0: nothing
};

void PrintTo(const PictureFiles& row, std::ostream* out) {
    *out << row.name;
}

const PictureFiles kPictureFiles[] = {
    {"PlainFile", "loanCalc", {{"loanCalc.png", "loanCalc.png"}}, 138},
    {"PlainFileBesideItsVariant",
     "loanCalc",
     {{"loanCalc.png", "loanCalc.png"}, {"loanCalc@2x.png", "loanCalc@2x.png"}},
     138},
    {"OtherPictureUnderTheName", "loanCalc", {{kLogoFile, "loanCalc.png"}}, 280},
    {"VariantAlone", "loanCalc", {{"loanCalc@2x.png", "loanCalc@2x.png"}}, 0},
    {"NameWithItsExtension", "loanCalc.png", {{"loanCalc.png", "loanCalc.png"}}, 0},
    {"NoFile", "loanCalc", {}, 0},
};

class OpenFromApp : public BundleResourcesTest, public testing::WithParamInterface<PictureFiles> {};

TEST_P(OpenFromApp, GivesThePlainPictureOnANormalScreen) {
    const PictureFiles& row = GetParam();
    for (const Placed& file : row.files) {
        fs::copy_file(kShipped / file.shipped, Resources() / file.as);
    }
    const std::shared_ptr<fw::Picture> picture = fw::Picture::OpenFromApp(row.requested);
    if (row.expectedWidth == 0) {
        EXPECT_EQ(picture, nullptr);
        return;
    }
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Width(), row.expectedWidth);
    EXPECT_EQ(picture->impl().pixmap.width(), row.expectedWidth);  // not the sharper variant
}

INSTANTIATE_TEST_SUITE_P(Files, OpenFromApp, testing::ValuesIn(kPictureFiles),
                         RowName<PictureFiles>);

}  // namespace
