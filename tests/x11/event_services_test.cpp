// The event services as the program uses them, against a real server with a user played by
// xdotool: what the tap keeps reaches no window, the click it gives back arrives once, and
// what it never wanted is untouched.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <fstream>
#include <thread>

#include "platform/x11/posted_events.h"
#include "platform/x11/x11_event_services.h"
#include "x11/desktop_fixture.h"
#include "x11/test_main_loop.h"

namespace velmor::x11::testing {
namespace {

namespace type = platform::event_type;
using platform::Event;
using platform::TapResult;

// Right button, keys, wheel and the other buttons, as the program asks for them.
constexpr std::uint64_t kProgramMask = 0x06400C98;

bool isRightButton(std::uint32_t eventType) {
    return eventType == type::kRightMouseDown || eventType == type::kRightMouseUp ||
           eventType == type::kRightMouseDragged;
}

TapResult keepRightButton(const Event& event) {
    return isRightButton(event.type) ? TapResult::swallow : TapResult::pass;
}

bool mentions(const std::vector<std::string>& lines, const std::string& prefix) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
}

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class EventServicesTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (IsSkipped() || HasFatalFailure()) {
            return;
        }
        services_.emplace(session_.name(), loop_, loop_,
                          [this](const std::string& note) { notes_.push_back(note); });
    }

    // The tap as the program makes it; the callback records what it was asked.
    bool startTap(std::function<TapResult(const Event&)> decide) {
        tap_ = services_->createSessionTap(
            kProgramMask, [this, decide = std::move(decide)](std::uint32_t, const Event& event) {
                seen_.push_back(event);
                return decide(event);
            });
        source_ = tap_ ? services_->addTapToMainRunLoop(*tap_) : nullptr;
        return source_ != nullptr && tap_->isEnabled();
    }

    int seenCount(std::uint32_t eventType) const {
        return static_cast<int>(std::count_if(seen_.begin(), seen_.end(), [&](const Event& event) {
            return event.type == eventType;
        }));
    }

    Point clientCentre() const {
        const std::vector<std::string> move = moveToClient();
        return {std::stod(move[1]), std::stod(move[2])};
    }

    // The program's right click, as the gesture dispatch posts it.
    void replayRightClick(Point at) {
        const auto source = services_->createEventSource();
        const auto down = services_->createMouseEvent(*source, type::kRightMouseDown, at, 1);
        const auto up = services_->createMouseEvent(*source, type::kRightMouseUp, at, 1);
        services_->postOwn(*down);
        services_->postOwn(*up);
    }

    // A left click as a marker, with the main loop turning meanwhile.
    bool markerArrives() {
        const std::string line = "ButtonRelease 1 state=0x100";
        const int before = client_->count(line);
        return userInClient({"click", "1"}) &&
               loop_.runUntil([&] { return client_->count(line) > before; });
    }

    TestMainLoop loop_;
    std::vector<std::string> notes_;
    std::vector<Event> seen_;
    std::optional<X11EventServices> services_;
    std::unique_ptr<platform::EventTap> tap_;
    std::unique_ptr<platform::RunLoopSource> source_;
};

TEST_F(EventServicesTest, RightDragIsTheTapsAloneAndWhatItNeverWantedIsUntouched) {
    ASSERT_TRUE(startTap(keepRightButton));
    ASSERT_TRUE(userInClient({"mousedown", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seenCount(type::kRightMouseDown) == 1; }));
    // The middle press wants to pass, but in a hold X has nobody to hand it to any more.
    ASSERT_TRUE(session_.xdotool({"mousemove_relative", "--", "-40", "5", "mousemove_relative",
                                  "--", "-40", "-5", "click", "2", "mouseup", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seenCount(type::kRightMouseUp) == 1; }));
    ASSERT_TRUE(markerArrives());

    std::vector<Event> right;
    std::copy_if(seen_.begin(), seen_.end(), std::back_inserter(right),
                 [](const Event& event) { return isRightButton(event.type); });
    ASSERT_GE(right.size(), 3u);
    EXPECT_EQ(right.front().type, type::kRightMouseDown);
    EXPECT_EQ(right.back().type, type::kRightMouseUp);
    for (std::size_t i = 1; i + 1 < right.size(); ++i) {
        EXPECT_EQ(right[i].type, type::kRightMouseDragged);
        EXPECT_LE(right[i].location.x, right[i - 1].location.x);
    }
    EXPECT_LE(right.back().location.x, right.front().location.x - 80);
    EXPECT_EQ(notes_, std::vector<std::string>{"x11=dropped_press button=2 reason=grab_active"});
    EXPECT_FALSE(mentions(client_->received(), "ButtonPress 3"));
    EXPECT_FALSE(mentions(client_->received(), "ButtonPress 2"));

    // Outside a hold a left click and the wheel are nobody's business but the window's.
    seen_.clear();
    ASSERT_TRUE(userInClient({"click", "4"}));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonPress 4 state=0x0"), 1);
    EXPECT_EQ(client_->count("ButtonPress 1 state=0x0"), 2);
    EXPECT_TRUE(seen_.empty());
}

TEST_F(EventServicesTest, UnclaimedRightClickIsReplayedOnceAndNeverComesBackToTheTap) {
    ASSERT_TRUE(startTap([this](const Event& event) {
        if (event.type == type::kRightMouseUp) {
            replayRightClick(event.location);
        }
        return keepRightButton(event);
    }));
    ASSERT_TRUE(userInClient({"click", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return client_->count("ButtonRelease 3 state=0x400"); }));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonPress 3 state=0x0"), 1);
    EXPECT_EQ(client_->count("ButtonRelease 3 state=0x400"), 1);
    EXPECT_EQ(seenCount(type::kRightMouseDown), 1);
    EXPECT_EQ(seenCount(type::kRightMouseUp), 1);

    // From another thread the click waits for the main thread, where the tap's connection is.
    std::thread([&] { replayRightClick(clientCentre()); }).join();
    ASSERT_TRUE(loop_.runUntil([&] { return client_->count("ButtonRelease 3 state=0x400") == 2; }));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonPress 3 state=0x0"), 2);
    EXPECT_EQ(seenCount(type::kRightMouseDown), 1);
    EXPECT_TRUE(tap_->isEnabled());
}

TEST_F(EventServicesTest, AnotherProgramsGrabKeepsTheTapOutUntilThatProgramIsGone) {
    const std::filesystem::path log = folder_ / "holder.txt";
    std::optional<ChildProcess> holder = session_.start({VELMOR_GRAB_HOLDER, log.string()});
    ASSERT_TRUE(waitUntil([&] { return contents(log) == "grabbed\n"; }));
    EXPECT_FALSE(services_->inputPermission());
    EXPECT_EQ(services_->createSessionTap(kProgramMask, {}), nullptr);
    holder.reset();
    EXPECT_TRUE(waitUntil([&] { return services_->inputPermission(); }));
    ASSERT_TRUE(startTap(keepRightButton));
    EXPECT_TRUE(services_->inputPermission());

    // Let go, the grab can go to another program; the watchdog's enable gets it back once
    // that program is gone.
    tap_->enable(false);
    EXPECT_FALSE(tap_->isEnabled());
    std::filesystem::remove(log);
    holder.emplace(session_.start({VELMOR_GRAB_HOLDER, log.string()}));
    ASSERT_TRUE(waitUntil([&] { return contents(log) == "grabbed\n"; }));
    tap_->enable(true);
    EXPECT_FALSE(tap_->isEnabled());
    EXPECT_FALSE(services_->inputPermission());
    holder.reset();
    EXPECT_TRUE(waitUntil([&] {
        tap_->enable(true);
        return tap_->isEnabled();
    }));
    ASSERT_TRUE(userInClient({"click", "3"}));
    EXPECT_TRUE(loop_.runUntil([&] { return seenCount(type::kRightMouseUp) == 1; }));
}

TEST_F(EventServicesTest, MKeyInAHoldIsSeenDownAndReachesNoWindow) {
    const std::uint16_t m = services_->keyCode(platform::Key::m);
    ASSERT_TRUE(startTap([](const Event& event) {
        const bool key = event.type == type::kKeyDown || event.type == type::kKeyUp;
        return key || isRightButton(event.type) ? TapResult::swallow : TapResult::pass;
    }));
    EXPECT_FALSE(services_->isKeyDown(m));
    ASSERT_TRUE(userInClient({"mousedown", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seenCount(type::kRightMouseDown) == 1; }));
    ASSERT_TRUE(session_.xdotool({"keydown", "m"}));
    ASSERT_TRUE(
        loop_.runUntil([&] { return seenCount(type::kKeyDown) == 1 && services_->isKeyDown(m); }));
    ASSERT_TRUE(session_.xdotool({"keyup", "m", "mouseup", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seenCount(type::kRightMouseUp) == 1; }));
    EXPECT_FALSE(services_->isKeyDown(m));
    EXPECT_EQ(seenCount(type::kKeyUp), 1);
    const auto keyDown = std::find_if(seen_.begin(), seen_.end(), [](const Event& event) {
        return event.type == type::kKeyDown;
    });
    EXPECT_EQ(keyDown->integerField(platform::event_field::kKeyboardKeycode), m);
    ASSERT_TRUE(markerArrives());
    EXPECT_FALSE(mentions(client_->received(), "KeyPress m"));

    // Outside a hold the M key is the focused window's.
    ASSERT_TRUE(userInClient({"key", "m"}));
    EXPECT_TRUE(loop_.runUntil([&] { return client_->count("KeyPress m state=0x0") == 1; }));
}

TEST_F(EventServicesTest, ScrollPostedFromAnotherThreadArrivesAsWheelClicks) {
    ASSERT_TRUE(userInClient({}));
    std::thread([&] {
        const auto source = services_->createEventSource();
        for (std::int32_t pixels : {2000, 2000}) {
            services_->post(*services_->createScrollWheelEvent(*source, platform::ScrollUnit::pixel,
                                                               1, pixels));
        }
        services_->post(
            *services_->createScrollWheelEvent(*source, platform::ScrollUnit::line, 1, -3));
    }).join();
    const int clicksPerBurstEvent = 2000 / kPixelsPerWheelClick;
    EXPECT_TRUE(client_->waitFor("ButtonPress 4 state=0x0", 2 * clicksPerBurstEvent));
    EXPECT_TRUE(client_->waitFor("ButtonPress 5 state=0x0", 3));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonPress 4 state=0x0"), 2 * clicksPerBurstEvent);
    EXPECT_EQ(client_->count("ButtonPress 5 state=0x0"), 3);
}

}  // namespace
}  // namespace velmor::x11::testing
