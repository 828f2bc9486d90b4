// What every backend must do. Each case runs on every backend of backendFactories(); a
// backend that cannot do a part says why and the case is skipped for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "conformance/backend.h"
#include "support/temp_home.h"

namespace velmor::conformance {
namespace {

namespace type = platform::event_type;
using platform::TapResult;

class Conformance : public ::testing::TestWithParam<BackendFactory> {
protected:
    void SetUp() override { backend_ = GetParam().make(home_.path()); }

    void skipUnless(std::string_view part) {
        if (const auto reason = backend_->cannot(part)) {
            GTEST_SKIP() << GetParam().name << " cannot " << part << ": " << *reason;
        }
    }

    platform::Platform& platform() { return backend_->platform(); }

    testing::TempHome home_;
    std::unique_ptr<Backend> backend_;
};

TEST_P(Conformance, ATapSeesInputAndItsAnswerDecides) {
    skipUnless("tap input");
    backend_->grantInputPermission();
    EXPECT_TRUE(platform().accessibility().hasInputPermission());
    std::vector<std::uint32_t> seen;
    auto& events = platform().events();
    auto tap = events.createSessionTap(0xFFFFFFFF, [&](std::uint32_t eventType, const auto&) {
        seen.push_back(eventType);
        return eventType == type::kRightMouseDown ? TapResult::swallow : TapResult::pass;
    });
    ASSERT_TRUE(tap);
    const auto source = events.addTapToMainRunLoop(*tap);
    ASSERT_TRUE(source);
    tap->enable(true);
    EXPECT_TRUE(tap->isEnabled());
    EXPECT_EQ(backend_->sendInput(platform::Event(type::kRightMouseDown, {10, 10})),
              TapResult::swallow);
    EXPECT_EQ(backend_->sendInput(platform::Event(type::kRightMouseUp, {10, 10})), TapResult::pass);
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{type::kRightMouseDown, type::kRightMouseUp}));

    tap->enable(false);
    EXPECT_FALSE(tap->isEnabled());
    EXPECT_FALSE(backend_->sendInput(platform::Event(type::kRightMouseDown, {10, 10})));
}

TEST_P(Conformance, OurOwnEventsAreKnownAndNeverReachTheTap) {
    skipUnless("tap input");
    backend_->grantInputPermission();
    EXPECT_TRUE(platform().accessibility().hasInputPermission());
    int calls = 0;
    auto& events = platform().events();
    auto tap = events.createSessionTap(0xFFFFFFFF, [&](std::uint32_t, const auto&) {
        ++calls;
        return TapResult::pass;
    });
    ASSERT_TRUE(tap);
    const auto runLoopSource = events.addTapToMainRunLoop(*tap);
    tap->enable(true);
    const auto source = events.createEventSource();
    ASSERT_TRUE(source);
    const auto click = events.createMouseEvent(*source, type::kRightMouseDown, {5, 5}, 1);
    ASSERT_TRUE(click);
    EXPECT_FALSE(events.isOwn(*click));
    events.postOwn(*click);
    backend_->settle();
    EXPECT_EQ(calls, 0);
}

TEST_P(Conformance, TimersThatPauseDuringAModalWaitForIt) {
    auto& scheduler = platform().scheduler();
    int pausing = 0;
    int always = 0;
    const auto pausingTimer = scheduler.scheduleRepeatingTimer(
        1.0, [&] { ++pausing; }, platform::TimerMode::pausesDuringModal);
    const auto alwaysTimer = scheduler.scheduleRepeatingTimer(
        1.0, [&] { ++always; }, platform::TimerMode::firesAlways);
    backend_->passTime(2.5);
    EXPECT_EQ(pausing, 2);
    EXPECT_EQ(always, 2);

    backend_->answerNextAlert(1000, 3.0);
    scheduler.asyncMain([&] {
        platform().ui().runModalAlert(platform::Alert{"m", "", {"OK"}, {}});
    });
    backend_->settle();
    EXPECT_EQ(pausing, 2) << "fired while the alert was open";
    EXPECT_GE(always, 4);
}

TEST_P(Conformance, BlocksRunAfterTheCallbackAndSerialQueuesKeepOrder) {
    auto& scheduler = platform().scheduler();
    std::vector<std::string> ran;
    scheduler.asyncMain([&] {
        scheduler.asyncMain([&] { ran.push_back("main 2"); });
        ran.push_back("main 1");
    });
    for (int i = 0; i < 3; ++i) {
        scheduler.asyncSerial("conformance",
                              [&, i] { ran.push_back("serial " + std::to_string(i)); });
    }
    bool background = false;
    scheduler.asyncUserInitiated([&] { background = true; });
    EXPECT_TRUE(ran.empty());
    backend_->settle();
    EXPECT_TRUE(background);
    std::vector<std::string> serial;
    std::ranges::copy_if(ran, std::back_inserter(serial),
                         [](const std::string& entry) { return entry.starts_with("serial"); });
    EXPECT_EQ(serial, (std::vector<std::string>{"serial 0", "serial 1", "serial 2"}));
    const auto first = std::ranges::find(ran, "main 1");
    ASSERT_NE(first, ran.end());
    EXPECT_NE(std::find(first, ran.end(), "main 2"), ran.end());
}

TEST_P(Conformance, TheMainLoopRunsUntilQuit) {
    auto& scheduler = platform().scheduler();
    bool ran = false;
    scheduler.asyncMain([&] {
        ran = true;
        scheduler.quitMainLoop();
    });
    scheduler.runMainLoop();
    EXPECT_TRUE(ran);
}

TEST_P(Conformance, TheFrontmostApplicationIsReported) {
    skipUnless("applications");
    backend_->bringForward("org.example.conformance", 4242);
    auto& workspace = platform().workspace();
    const auto front = workspace.frontmostApplication();
    ASSERT_TRUE(front);
    EXPECT_EQ(front->pid, 4242);
    EXPECT_EQ(front->applicationId, "org.example.conformance");
    EXPECT_FALSE(workspace.isTerminated(*front));
    EXPECT_EQ(workspace.runningApplications("org.example.conformance").size(), 1u);
    EXPECT_FALSE(workspace.ownApplicationId().empty());
}

TEST_P(Conformance, AlertsAndPanelsGiveTheUsersAnswer) {
    auto& ui = platform().ui();
    backend_->answerNextAlert(1001, 0.0);
    EXPECT_EQ(ui.runModalAlert(platform::Alert{"m", "i", {"one", "two"}, {}}).button, 1001);
    backend_->answerNextPanel(home_.path().string());
    platform::OpenPanel panel;
    panel.canChooseDirectories = true;
    EXPECT_EQ(ui.runOpenPanel(panel), home_.path().string());
    backend_->answerNextPanel(std::nullopt);
    EXPECT_FALSE(ui.runOpenPanel(panel));
}

TEST_P(Conformance, ChoosingAMenuItemCallsItsHandler) {
    std::vector<std::string> chosen;
    platform::MenuItem item;
    item.title = "Item";
    item.handler = [&](const platform::MenuItem& shown) { chosen.push_back(shown.title); };
    platform::MenuItem parent;
    parent.title = "Parent";
    parent.submenu.push_back(item);
    platform::MenuItem off = item;
    off.title = "Off";
    off.enabled = false;
    platform().ui().showStatusItem(platform::StatusItem{}, {item, parent, off});
    EXPECT_TRUE(backend_->chooseMenuItem({"Item"}));
    EXPECT_TRUE(backend_->chooseMenuItem({"Parent", "Item"}));
    EXPECT_FALSE(backend_->chooseMenuItem({"Parent"}));
    EXPECT_FALSE(backend_->chooseMenuItem({"Off"}));
    EXPECT_EQ(chosen, (std::vector<std::string>{"Item", "Item"}));
}

TEST_P(Conformance, OpeningTheMenuLetsItChangeBeforeItShows) {
    std::vector<std::string> chosen;
    platform::MenuItem parent;
    parent.title = "Parent";
    parent.identifier = "parent";
    platform::MenuItem placeholder;
    placeholder.title = "Old";
    parent.submenu.push_back(placeholder);
    platform::StatusItem status;
    int opened = 0;
    status.menuWillOpen = [&] {
        ++opened;
        platform::MenuItem fresh;
        fresh.title = "New";
        fresh.handler = [&](const platform::MenuItem& shown) { chosen.push_back(shown.title); };
        parent.submenu = {fresh};
        platform().ui().submenuChanged(parent);
    };
    platform().ui().showStatusItem(status, {parent});
    EXPECT_TRUE(backend_->chooseMenuItem({"Parent", "New"}));
    EXPECT_FALSE(backend_->chooseMenuItem({"Parent", "Old"}));
    EXPECT_EQ(chosen, std::vector<std::string>{"New"});
    EXPECT_GE(opened, 1);
    EXPECT_FALSE(platform().workspace().applicationName("org.example.not-installed"));
}

TEST_P(Conformance, TheLoginItemTurnsOnAndOff) {
    auto& login = platform().loginItem();
    ASSERT_TRUE(login.enable());
    EXPECT_TRUE(login.isEnabled());
    login.disable();
    EXPECT_FALSE(login.isEnabled());
    login.disable();  // twice is no error
    EXPECT_FALSE(login.isEnabled());
}

TEST_P(Conformance, PathsAndObserverTokens) {
    const auto& paths = platform().paths();
    EXPECT_FALSE(paths.desktopFolder().empty());
    EXPECT_FALSE(paths.applicationSupportFolder().empty());
    EXPECT_FALSE(paths.applicationsFolder().empty());

    int heard = 0;
    auto token = platform().notifications().addObserver(
        "VLConformance", [&](const platform::Notification&) { ++heard; });
    platform().notifications().post("VLConformance", std::nullopt);
    token.reset();
    platform().notifications().post("VLConformance", std::nullopt);
    EXPECT_EQ(heard, 1);
}

INSTANTIATE_TEST_SUITE_P(Backends, Conformance, ::testing::ValuesIn(backendFactories()),
                         [](const auto& backend) { return backend.param.name; });

}  // namespace
}  // namespace velmor::conformance
