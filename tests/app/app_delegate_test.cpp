#include <gmock/gmock.h>

#include "app/app_fixture.h"
#include "app/app_texts.h"
#include "letters/letter_store.h"
#include "sync/sync_settings.h"

namespace velmor::testing {
namespace {

using ::testing::ElementsAre;
using namespace app_text;

using AppDelegateTest = AppFixture;

TEST_F(AppDelegateTest, TrustedStartRunsTheTapAndRestartKeepsTheOneController) {
    launch(true);
    EXPECT_THAT(statusTitles(), ElementsAre(kStatusStarting, kStatusRunning));
    EXPECT_TRUE(alertMessages().empty());
    const VLMouseController* controller = app->mouseController();
    ASSERT_NE(controller, nullptr);

    sim.disableTapSilently();
    choose(kRestartInputTitle);
    choose(kRecheckPermissionTitle.mac);
    EXPECT_EQ(app->mouseController(), controller);
    EXPECT_TRUE(sim.tapEnabled());
    EXPECT_EQ(sim.recordsOfKind("tap-created").size(), 1u);
    EXPECT_EQ(sim.inputStatusTitle(), kStatusRunning);
}

TEST_F(AppDelegateTest, UntrustedStartPromptsExplainsAndPollsWithOneTimer) {
    launch(false);
    EXPECT_EQ(sim.recordsOfKind("prompt").size(), 1u);
    EXPECT_THAT(alertMessages(), ElementsAre(kPermissionMessage.mac));
    EXPECT_EQ(sim.inputStatusTitle(), kStatusChecking);
    EXPECT_EQ(app->mouseController(), nullptr);

    choose(kRecheckPermissionTitle.mac);
    choose(kRecheckPermissionTitle.mac);
    EXPECT_EQ(alertMessages().size(), 3u);
    EXPECT_EQ(oneSecondTimers(), 1u);
    sim.advance(5.0);  // still no permission: polling goes on quietly
    EXPECT_EQ(alertMessages().size(), 3u);

    // Found by the menu: the poll stops at its next firing and keeps the controller.
    sim.setTrusted(true);
    choose(kRecheckPermissionTitle.mac);
    const VLMouseController* controller = app->mouseController();
    ASSERT_NE(controller, nullptr);
    EXPECT_EQ(oneSecondTimers(), 2u);  // the poll still runs beside the tap watchdog
    sim.advance(1.0);
    EXPECT_EQ(app->permissionTimer(), nullptr);
    EXPECT_EQ(app->mouseController(), controller);
    EXPECT_THAT(statusTitles(),
                ElementsAre(kStatusStarting, kStatusRunning, kStatusStarting, kStatusRunning));
    EXPECT_EQ(oneSecondTimers(), 1u);
}

TEST_F(AppDelegateTest, RefusedTapShowsTheFailureAndRestartWithoutPermissionAsksAgain) {
    sim.failNextTapCreation();
    launch(true);
    EXPECT_EQ(sim.inputStatusTitle(), kStatusStartFailed);
    EXPECT_THAT(alertMessages(), ElementsAre(kStartFailedMessage));
    EXPECT_EQ(app->mouseController(), nullptr);

    choose(kRestartInputTitle);  // no automatic retry, but this one
    EXPECT_NE(app->mouseController(), nullptr);
    EXPECT_EQ(sim.inputStatusTitle(), kStatusRunning);

    sim.setTrusted(false);
    choose(kRestartInputTitle);
    EXPECT_EQ(statusTitles().back(), kStatusPermissionNeeded);
    EXPECT_EQ(alertMessages().back(), kPermissionMessage.mac);
    EXPECT_NE(app->permissionTimer(), nullptr);

    choose(kQuitTitle);
    EXPECT_TRUE(sim.terminated());
}

TEST_F(AppDelegateTest, PollWaitsWhileAModalAlertIsOpen) {
    launch(false);
    double helpShownAt = -1.0;
    sim.setRecordListener([&](const sim::SimRecord& record) {
        if (record.kind == "alert") {
            helpShownAt = record.t;
            sim.setTrusted(true);  // granted while the help alert is open
        }
    });
    sim.queueAlertAnswer(1000, 3.5);  // the user reads the help for 3.5 seconds
    choose(kHelpTitle);
    sim.setRecordListener({});
    EXPECT_TRUE(sim.recordsOfKind("status-title").empty());
    sim.advance(0.5);  // the run loop is back in its default mode
    const auto titles = sim.recordsOfKind("status-title");
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_GE(titles[0].t, helpShownAt + 3.5);  // not at 1, 2 or 3 seconds
    EXPECT_NE(app->mouseController(), nullptr);
}

TEST_F(AppDelegateTest, FirstSyncTickRunsBeforeThePermissionCheck) {
    const auto events = home.path() / "Share/VelmorSync-v2/Events";
    std::filesystem::create_directories(events);
    sim.defaults().setString(defaults_key::kVelmorSyncFolder, (home.path() / "Share").string());
    sim.defaults().setBoolean(defaults_key::kVelmorSyncEnabled, true);
    sim.defaults().setString(VLLetterActionKey("B"), "https://www.example.org/");

    std::ptrdiff_t eventFilesAtPrompt = 0;
    bool syncTimerAtPrompt = false;
    sim.setRecordListener([&](const sim::SimRecord& record) {
        if (record.kind == "prompt") {
            eventFilesAtPrompt = std::distance(std::filesystem::directory_iterator(events),
                                               std::filesystem::directory_iterator());
            syncTimerAtPrompt = app->velmorSyncTimer() != nullptr;
        }
    });
    launch(false);
    EXPECT_TRUE(syncTimerAtPrompt);
    EXPECT_EQ(eventFilesAtPrompt, 1);  // B's action, published by the first tick
}

}  // namespace
}  // namespace velmor::testing
