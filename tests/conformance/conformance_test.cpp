// What every backend must do. Each case runs on every backend of backendFactories(); a
// backend that cannot do a part says why and the case is skipped for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <iterator>
#include <mutex>
#include <string>
#include <vector>

#include "conformance/backend.h"
#include "support/temp_home.h"

namespace velmor::conformance {
namespace {

namespace type = platform::event_type;
using platform::TapResult;

// Skips the rest of the case, from the test body itself, when the backend cannot do the part.
// A case runs as far as its backend can go.
#define SKIP_UNLESS(part)                                                               \
    do {                                                                                \
        if (const auto reason = backend_->cannot(part)) {                               \
            GTEST_SKIP() << GetParam().name << " cannot " << (part) << ": " << *reason; \
        }                                                                               \
    } while (false)

class Conformance : public ::testing::TestWithParam<BackendFactory> {
protected:
    void SetUp() override {
        backend_ = GetParam().make(home_.path());
        SKIP_UNLESS("start");
    }

    platform::Platform& platform() { return backend_->platform(); }

    testing::TempHome home_;
    std::unique_ptr<Backend> backend_;
};

TEST_P(Conformance, ATapSeesInputAndItsAnswerDecides) {
    SKIP_UNLESS("tap input");
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
    SKIP_UNLESS("tap input");
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

    SKIP_UNLESS("alerts");
    backend_->answerNextAlert(1000, 3.0);
    scheduler.asyncMain([&] {
        platform().ui().runModalAlert(platform::Alert{"m", "", {"OK"}, {}, {}});
    });
    backend_->settle();
    EXPECT_EQ(pausing, 2) << "fired while the alert was open";
    EXPECT_GE(always, 4);
}

TEST_P(Conformance, BlocksRunAfterTheCallbackAndSerialQueuesKeepOrder) {
    auto& scheduler = platform().scheduler();
    // Serial blocks may run on a thread of their own beside the main loop.
    std::mutex ranMutex;
    std::vector<std::string> ran;
    const auto note = [&](std::string entry) {
        const std::lock_guard lock(ranMutex);
        ran.push_back(std::move(entry));
    };
    scheduler.asyncMain([&] {
        scheduler.asyncMain([&] { note("main 2"); });
        note("main 1");
    });
    for (int i = 0; i < 3; ++i) {
        scheduler.asyncSerial("conformance", [&, i] { note("serial " + std::to_string(i)); });
    }
    std::atomic<bool> background = false;
    scheduler.asyncUserInitiated([&] { background = true; });
    {
        const std::lock_guard lock(ranMutex);
        EXPECT_TRUE(std::ranges::none_of(ran, [](const std::string& entry) {
            return entry.starts_with("main");
        })) << "main blocks wait for the loop";
    }
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
    SKIP_UNLESS("applications");
    backend_->bringForward("org.example.conformance", 4242);
    auto& workspace = platform().workspace();
    const auto front = workspace.frontmostApplication();
    ASSERT_TRUE(front);
    EXPECT_EQ(front->applicationId, "org.example.conformance");
    EXPECT_FALSE(workspace.isTerminated(*front));
    const auto running = workspace.runningApplications("org.example.conformance");
    ASSERT_EQ(running.size(), 1u);
    EXPECT_EQ(running.front().pid, front->pid);
    EXPECT_FALSE(workspace.ownApplicationId().empty());
    EXPECT_FALSE(workspace.applicationName("org.example.not-installed"));

    SKIP_UNLESS("chosen pids");
    EXPECT_EQ(front->pid, 4242);
}

TEST_P(Conformance, AlertsAndPanelsGiveTheUsersAnswer) {
    SKIP_UNLESS("alerts");
    SKIP_UNLESS("panels");
    auto& ui = platform().ui();
    backend_->answerNextAlert(1001, 0.0);
    EXPECT_EQ(ui.runModalAlert(platform::Alert{"m", "i", {"one", "two"}, {}, {}}).button, 1001);
    backend_->answerNextPanel(home_.path().string());
    platform::OpenPanel panel;
    panel.canChooseDirectories = true;
    EXPECT_EQ(ui.runOpenPanel(panel), home_.path().string());
    backend_->answerNextPanel(std::nullopt);
    EXPECT_FALSE(ui.runOpenPanel(panel));
}

TEST_P(Conformance, ChoosingAMenuItemCallsItsHandler) {
    SKIP_UNLESS("menus");
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
    SKIP_UNLESS("menus");
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
    EXPECT_EQ(platform().homeDirectory(), home_.path());
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
