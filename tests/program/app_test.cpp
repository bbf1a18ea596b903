// The application object and the calculator window's class: events, the getter, QuitApp.

#include <gtest/gtest.h>

#include "app/app.h"
#include "app/startup.h"
#include "calculator/win_main.h"
#include "framework/window.h"
#include "tests/support/program_fixture.h"

namespace {

class AppTest : public ProgramTest {
  protected:
    void SetUp() override {
        ProgramTest::SetUp();
        EarlyStartup();
        fw::RunFrameworkInitialization(&LateStartup);
    }
};

struct EventRow {
    const char* event;
    bool handled;
};

std::string EventName(const ::testing::TestParamInfo<EventRow>& info) {
    return info.param.event;
}

class AppEventTest : public AppTest, public ::testing::WithParamInterface<EventRow> {};

TEST_P(AppEventTest, AnswersWhetherItHandlesTheEvent) {
    EXPECT_EQ(App::Instance().IsEventImplemented(GetParam().event), GetParam().handled);
}

INSTANTIATE_TEST_SUITE_P(Events, AppEventTest,
                         ::testing::Values(EventRow{"Open", true}, EventRow{"Close", true},
                                           EventRow{"CancelClose", false},
                                           EventRow{"UnhandledException", false},
                                           EventRow{"Activate", false},
                                           EventRow{"NewDocument", false}),
                         EventName);

class WinMainEventTest : public AppTest, public ::testing::WithParamInterface<EventRow> {};

TEST_P(WinMainEventTest, AnswersWhetherItHandlesTheEvent) {
    EXPECT_EQ(WinMain::Instance().IsEventImplemented(GetParam().event), GetParam().handled);
}

INSTANTIATE_TEST_SUITE_P(Events, WinMainEventTest,
                         ::testing::Values(EventRow{"AddMenuHandlers", true},
                                           EventRow{"Close", true},
                                           EventRow{"CreateControls", true},
                                           EventRow{"Layout", true}, EventRow{"Open", true},
                                           EventRow{"Paint", false}, EventRow{"CancelClose", false},
                                           EventRow{"KeyDown", false}, EventRow{"Resized", false}),
                         EventName);

TEST_F(AppTest, GetterGivesTheSameWindowEveryTime) {
    WinMain& first = WinMain::Instance();
    EXPECT_EQ(&first, &WinMain::Instance());
    EXPECT_EQ(fw::WindowCount(), 1u);
}

TEST_F(AppTest, GetterNeverChangesVisibility) {
    WinMain::Instance().SetVisible(false);
    EXPECT_FALSE(WinMain::Instance().Visible());
    EXPECT_FALSE(fw::AnyWindowVisible());
}

TEST_F(AppTest, CalculatorOpensAtItsDesignedSize) {
    EXPECT_EQ(WinMain::Instance().Width(), 638);
    EXPECT_EQ(WinMain::Instance().Height(), 570);
}

TEST_F(AppTest, QuitAppHidesTheCalculatorAndQuitsNothing) {
    App::Instance().QuitApp();
    EXPECT_FALSE(WinMain::Instance().Visible());
    EXPECT_FALSE(fw::RuntimeIsQuitting());
}

TEST_F(AppTest, QuitAppTwiceKeepsOneHiddenCalculator) {
    App::Instance().QuitApp();
    App::Instance().QuitApp();
    EXPECT_NE(fw::GetImplicitWindow("WinMain.WinMain"), nullptr);
    EXPECT_EQ(fw::WindowCount(), 2u);  // the calculator and the credits window
    EXPECT_FALSE(WinMain::Instance().Visible());
}

TEST_F(AppTest, ClosedWindowIsNeverFoundAgain) {
    WinMain* first = &WinMain::Instance();
    first->Close();
    EXPECT_FALSE(fw::RuntimeIsQuitting());  // the credits window took its place
    EXPECT_EQ(fw::GetImplicitWindow("WinMain.WinMain"), nullptr);
    WinMain& second = WinMain::Instance();
    EXPECT_NE(&second, first);
    EXPECT_TRUE(second.Visible());
    EXPECT_EQ(second.Title(), "Brenquill Calculator");
}

}  // namespace
