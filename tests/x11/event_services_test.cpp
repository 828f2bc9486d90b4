// The event services as the program drives them, against a real server with the user played
// by xdotool: what the tap keeps reaches no window, the click it gives back arrives once, and
// what it never wanted is untouched.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <stdexcept>
#include <thread>

#include <X11/keysym.h>

#include "platform/x11/event_translation.h"
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

bool isRightButton(const Event& event) {
    return event.type == type::kRightMouseDown || event.type == type::kRightMouseUp ||
           event.type == type::kRightMouseDragged;
}

// As the routing does in a hold: the right button and the M key are kept, the rest passes.
TapResult keepHold(const Event& event) {
    const bool key = event.type == type::kKeyDown || event.type == type::kKeyUp;
    return key || isRightButton(event) ? TapResult::swallow : TapResult::pass;
}

class EventServicesTest : public DesktopTest {
protected:
    void SetUp() override {
        DesktopTest::SetUp();
        if (!IsSkipped() && !HasFatalFailure()) {
            services_.emplace(session_.name(), loop_, loop_,
                              [this](const std::string& note) { notes_.push_back(note); });
        }
    }

    bool startTap(std::function<TapResult(const Event&)> decide) {
        tap_ = services_->createSessionTap(
            kProgramMask, [this, decide = std::move(decide)](std::uint32_t, const Event& event) {
                seen_.push_back(event);
                return decide(event);
            });
        source_ = tap_ ? services_->addTapToMainRunLoop(*tap_) : nullptr;
        return source_ && tap_->isEnabled();
    }

    int seen(std::uint32_t eventType) const {
        return static_cast<int>(std::count_if(seen_.begin(), seen_.end(),
                                              [&](const Event& e) { return e.type == eventType; }));
    }

    bool received(const std::string& prefix) const { return client_->countStarting(prefix) > 0; }

    // The right click the gesture dispatch gives back when no gesture claims the stroke.
    void replayRightClick(Point at) {
        const auto source = services_->createEventSource();
        services_->postOwn(*services_->createMouseEvent(*source, type::kRightMouseDown, at, 1));
        services_->postOwn(*services_->createMouseEvent(*source, type::kRightMouseUp, at, 1));
    }

    // A left click as a marker, the main loop turning meanwhile.
    bool markerArrives() {
        const int before = client_->count("ButtonRelease 1 state=0x100");
        return userInClient({"click", "1"}) && loop_.runUntil([&] {
            return client_->count("ButtonRelease 1 state=0x100") > before;
        });
    }

    bool holderGrabs(std::optional<ChildProcess>& holder) {
        const std::filesystem::path log = folder_ / "holder.txt";
        std::filesystem::remove(log);
        holder.emplace(session_.start({VELMOR_GRAB_HOLDER, log.string()}));
        return waitUntil([&] { return std::ifstream(log).peek() == 'g'; });
    }

    TestMainLoop loop_;
    std::vector<std::string> notes_;
    std::vector<Event> seen_;
    std::optional<X11EventServices> services_;
    std::unique_ptr<platform::EventTap> tap_;
    std::unique_ptr<platform::RunLoopSource> source_;
};

TEST_F(EventServicesTest, AHoldIsTheTapsAloneAndWhatItNeverWantedIsUntouched) {
    const std::uint16_t m = services_->keyCode(platform::Key::m);
    ASSERT_TRUE(startTap(keepHold));
    ASSERT_TRUE(userInClient({"mousedown", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseDown) == 1; }));
    ASSERT_TRUE(session_.xdotool({"mousemove_relative", "--", "-40", "5", "mousemove_relative",
                                  "--", "-40", "-5", "keydown", "m"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kKeyDown) && services_->isKeyDown(m); }));
    // The other presses want to pass, but in a hold X has nobody to hand them to any more.
    ASSERT_TRUE(session_.xdotool({"keyup", "m", "click", "2", "click", "4", "click", "5", "click",
                                  "6", "click", "9", "mouseup", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == 1; }));
    ASSERT_TRUE(markerArrives());

    std::vector<Event> right;
    std::copy_if(seen_.begin(), seen_.end(), std::back_inserter(right), isRightButton);
    ASSERT_GE(right.size(), 3u);
    EXPECT_EQ(right.front().type, type::kRightMouseDown);
    EXPECT_EQ(right.back().type, type::kRightMouseUp);
    for (std::size_t i = 1; i + 1 < right.size(); ++i) {
        EXPECT_EQ(right[i].type, type::kRightMouseDragged);
        EXPECT_LE(right[i].location.x, right[i - 1].location.x);
    }
    EXPECT_LE(right.back().location.x, right.front().location.x - 80);
    EXPECT_EQ(seen(type::kKeyUp), 1);
    EXPECT_FALSE(services_->isKeyDown(m));
    std::vector<std::string> dropped;
    for (const char* button : {"2", "4", "5", "6", "9"}) {
        dropped.push_back(std::string("x11=dropped_press button=") + button +
                          " reason=grab_active");
    }
    EXPECT_EQ(notes_, dropped);
    std::vector<Event> presses;
    std::copy_if(seen_.begin(), seen_.end(), std::back_inserter(presses), [](const Event& e) {
        return e.type == type::kOtherMouseDown || e.type == type::kScrollWheel;
    });
    ASSERT_EQ(presses.size(), 5u);
    namespace field = platform::event_field;
    EXPECT_EQ(presses[0].integerField(field::kMouseButtonNumber), 2);
    // The wheel: away from the user, towards the user, sideways on the second axis.
    EXPECT_EQ(presses[1].type, type::kScrollWheel);
    EXPECT_EQ(presses[1].integerField(field::kScrollWheelDeltaAxis1), 1);
    EXPECT_EQ(presses[2].integerField(field::kScrollWheelDeltaAxis1), -1);
    EXPECT_EQ(presses[3].integerField(field::kScrollWheelDeltaAxis1), 0);
    EXPECT_EQ(presses[3].integerField(kScrollWheelDeltaAxis2), 1);
    EXPECT_EQ(presses[4].type, type::kOtherMouseDown);
    EXPECT_EQ(presses[4].integerField(field::kMouseButtonNumber), 4);
    for (const char* button : {"ButtonPress 2", "ButtonPress 3", "ButtonPress 4", "KeyPress m"}) {
        EXPECT_FALSE(received(button)) << button;
    }

    seen_.clear();
    ASSERT_TRUE(userInClient({"click", "4", "key", "m"}));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonPress 4 state=0x0"), 1);
    EXPECT_EQ(client_->count("ButtonPress 1 state=0x0"), 2);
    EXPECT_EQ(client_->count("KeyPress m state=0x0"), 1);
    EXPECT_TRUE(seen_.empty());
}

TEST_F(EventServicesTest, UnclaimedRightClickIsReplayedOnceAndNeverComesBackToTheTap) {
    ASSERT_TRUE(startTap([this](const Event& event) {
        if (event.type == type::kRightMouseUp) {
            replayRightClick(event.location);
        }
        return keepHold(event);
    }));
    ASSERT_TRUE(userInClient({"click", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return received("ButtonRelease 3 state=0x400"); }));
    const Point release = seen_.back().location;
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonPress 3 state=0x0"), 1);
    EXPECT_EQ(client_->count("ButtonRelease 3 state=0x400"), 1);
    EXPECT_EQ(seen(type::kRightMouseDown), 1);

    // From another thread the click waits for the main thread, where the tap's connection is.
    std::thread([&] { replayRightClick(release); }).join();
    ASSERT_TRUE(loop_.runUntil([&] { return client_->count("ButtonPress 3 state=0x0") == 2; }));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonRelease 3 state=0x400"), 2);
    EXPECT_EQ(seen(type::kRightMouseDown), 1);
    EXPECT_TRUE(tap_->isEnabled());

    // The grab is back: the next hold is the tap's again.
    ASSERT_TRUE(userInClient({"click", "3"}));
    EXPECT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseDown) == 2; }));
}

TEST_F(EventServicesTest, PassedPressesReachTheWindowOnceAlsoWhenTheCallbackThrows) {
    bool throwing = false;
    ASSERT_TRUE(startTap([&](const Event&) -> TapResult {
        if (throwing) {
            throw std::runtime_error("routing failed");
        }
        return TapResult::pass;
    }));
    ASSERT_TRUE(userInClient({"click", "3", "click", "2"}));
    ASSERT_TRUE(loop_.runUntil([&] { return received("ButtonRelease 2 state=0x200"); }));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonPress 3 state=0x0"), 1);
    EXPECT_EQ(client_->count("ButtonRelease 3 state=0x400"), 1);
    EXPECT_EQ(client_->count("ButtonPress 2 state=0x0"), 1);
    // Each release went straight to the window that got the replayed press, and the tap still
    // hears of it.
    std::vector<std::uint32_t> types;
    ASSERT_TRUE(loop_.runUntil([&] {
        types.clear();
        for (const Event& event : seen_) {
            types.push_back(event.type);
        }
        return types.size() >= 4;
    }));
    EXPECT_EQ(types, (std::vector<std::uint32_t>{type::kRightMouseDown, type::kRightMouseUp,
                                                 type::kOtherMouseDown, type::kOtherMouseUp}));

    // A failing callback must neither eat the press nor leave the pointer frozen.
    throwing = true;
    ASSERT_TRUE(userInClient({"click", "3"}));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonPress 3 state=0x0"), 2);
}

// What a gesture's action will need is read while the user draws: once for each right-button
// hold, after the callback has answered its press. A left click that passes and a middle click
// the tap keeps begin no such hold.
TEST_F(EventServicesTest, EachRightButtonHoldAndNothingElseGivesAMomentToReadAhead) {
    std::vector<int> rightPressesSeenAtEachMoment;
    services_->onGestureHoldBegan(
        [&] { rightPressesSeenAtEachMoment.push_back(seen(type::kRightMouseDown)); });
    ASSERT_TRUE(startTap([](const Event& event) {
        const bool middle =
            event.type == type::kOtherMouseDown || event.type == type::kOtherMouseUp;
        return middle || isRightButton(event) ? TapResult::swallow : TapResult::pass;
    }));
    ASSERT_TRUE(userInClient(
        {"mousedown", "3", "mousemove_relative", "--", "-40", "0", "click", "2", "mouseup", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == 1; }));
    ASSERT_TRUE(userInClient({"click", "1", "click", "2", "click", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == 2; }));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(seen(type::kOtherMouseDown), 2);
    EXPECT_EQ(rightPressesSeenAtEachMoment, (std::vector<int>{1, 2}));
}

// A key with no symbol on it, as a layout leaves some.
KeyCode spareKey(::Display* display) {
    int first = 0;
    int last = 0;
    XDisplayKeycodes(display, &first, &last);
    for (int code = last; code >= first; --code) {
        int perCode = 0;
        KeySym* syms = XGetKeyboardMapping(display, static_cast<KeyCode>(code), 1, &perCode);
        const bool empty =
            std::all_of(syms, syms + perCode, [](KeySym s) { return s == NoSymbol; });
        XFree(syms);
        if (empty) {
            return static_cast<KeyCode>(code);
        }
    }
    return 0;
}

TEST_F(EventServicesTest, TheMKeyIsFollowedToANewKeyAndKeptWhenLetGoAfterTheHold) {
    ASSERT_TRUE(startTap(keepHold));
    ::Display* display = display_->get();
    const KeyCode before = XKeysymToKeycode(display, XK_m);
    const KeyCode after = spareKey(display);
    ASSERT_NE(after, 0);
    KeySym m = XK_m;
    KeySym nothing = NoSymbol;
    XChangeKeyboardMapping(display, after, 1, &m, 1);
    XChangeKeyboardMapping(display, before, 1, &nothing, 1);
    XSync(display, False);

    ASSERT_TRUE(userInClient({"mousedown", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseDown) == 1; }));
    ASSERT_TRUE(session_.xdotool({"keydown", "m", "mouseup", "3", "keyup", "m"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kKeyUp) == 1; }));
    ASSERT_TRUE(markerArrives());
    ASSERT_GE(seen_.size(), 3u);
    EXPECT_EQ(seen_[seen_.size() - 3].type, type::kKeyDown);
    EXPECT_EQ(seen_[seen_.size() - 2].type, type::kRightMouseUp);
    EXPECT_EQ(seen_.back().type, type::kKeyUp);
    EXPECT_FALSE(received("KeyPress m") || received("KeyRelease m"));
}

TEST_F(EventServicesTest, AnotherProgramsGrabKeepsTheTapOutUntilThatProgramIsGone) {
    std::optional<ChildProcess> holder;
    ASSERT_TRUE(holderGrabs(holder));
    EXPECT_FALSE(services_->inputPermission());
    EXPECT_EQ(services_->createSessionTap(kProgramMask, {}), nullptr);
    holder.reset();
    EXPECT_TRUE(waitUntil([&] { return services_->inputPermission(); }));
    ASSERT_TRUE(startTap(keepHold));
    EXPECT_TRUE(services_->inputPermission());

    // Let go, the grab can go to another program; enabling gets it back once that is gone.
    tap_->enable(false);
    ASSERT_TRUE(holderGrabs(holder));
    tap_->enable(true);
    EXPECT_FALSE(tap_->isEnabled());
    EXPECT_FALSE(services_->inputPermission());
    holder.reset();
    EXPECT_TRUE(waitUntil([&] {
        tap_->enable(true);
        return tap_->isEnabled();
    }));
    ASSERT_TRUE(userInClient({"click", "3"}));
    EXPECT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == 1; }));
}

TEST_F(EventServicesTest, ScrollPostedFromAnotherThreadArrivesAsWheelClicks) {
    const std::vector<std::string> move = moveToClient();
    const Point inClient{std::stod(move[1]), std::stod(move[2])};
    ASSERT_TRUE(userInClient({}));
    std::thread([&] {
        const auto source = services_->createEventSource();
        using platform::ScrollUnit;
        services_->post(*services_->createScrollWheelEvent(*source, ScrollUnit::pixel, 1, 2000));
        services_->post(*services_->createScrollWheelEvent(*source, ScrollUnit::pixel, 1, 2000));
        services_->post(*services_->createScrollWheelEvent(*source, ScrollUnit::line, 1, -3));
        // A button the server has never heard of is refused, and the program lives on.
        services_->post(*services_->createMouseEvent(*source, type::kOtherMouseDown, inClient, 40));
        // The side button the event services number 3 is the X server's button 8.
        services_->post(*services_->createMouseEvent(*source, type::kOtherMouseDown, inClient, 3));
        services_->post(*services_->createMouseEvent(*source, type::kOtherMouseUp, inClient, 3));
    }).join();
    const int clicks = 2 * 2000 / kPixelsPerWheelClick;
    EXPECT_TRUE(client_->waitFor("ButtonPress 4 state=0x0", clicks));
    EXPECT_TRUE(client_->waitFor("ButtonPress 5 state=0x0", 3));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->count("ButtonPress 4 state=0x0"), clicks);
    EXPECT_EQ(client_->count("ButtonPress 5 state=0x0"), 3);
    EXPECT_EQ(client_->count("ButtonPress 8 state=0x0"), 1);
}

// The replayed click waits until no button is held and the server has nothing more for the
// tap: posted earlier, it would come back to the tap and be replayed again.
TEST_F(EventServicesTest, AReplayedClickReachesTheWindowOnceWhateverIsHeldAndHoweverFast) {
    ASSERT_TRUE(startTap([this](const Event& event) {
        if (event.type == type::kRightMouseUp) {
            replayRightClick(event.location);
        }
        return keepHold(event);
    }));
    ASSERT_TRUE(userInClient({"mousedown", "3", "mousedown", "1", "mouseup", "3", "mouseup", "1"}));
    ASSERT_TRUE(loop_.runUntil([&] { return received("ButtonRelease 3 state=0x400"); }));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->countStarting("ButtonPress 3"), 1);
    EXPECT_EQ(seen(type::kRightMouseDown), 1);

    // Two right clicks as fast as the user can make them: two clicks reach the window.
    seen_.clear();
    ASSERT_TRUE(userInClient({"click", "--repeat", "2", "--delay", "0", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return client_->count("ButtonRelease 3 state=0x400") == 3; }));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(client_->countStarting("ButtonPress 3"), 3);
    EXPECT_EQ(seen(type::kRightMouseDown), 2);
}

TEST_F(EventServicesTest, WhatTheProgramPostsFollowsTheUsersButtonMap) {
    ASSERT_TRUE(startTap([this](const Event& event) {
        if (event.type == type::kRightMouseUp) {
            replayRightClick(event.location);
        }
        return keepHold(event);
    }));
    // Left-handed, with the wheel turned round, after the program started.
    unsigned char map[256] = {};
    const int buttons = XGetPointerMapping(display_->get(), map, sizeof map);
    ASSERT_GE(buttons, 5);
    std::swap(map[0], map[2]);
    std::swap(map[3], map[4]);
    ASSERT_EQ(XSetPointerMapping(display_->get(), map, buttons), MappingSuccess);
    XSync(display_->get(), False);
    loop_.runUntil([] { return true; });  // the tap hears of the change

    // The user's left-hand button 1 is their secondary button: the tap's, and given back.
    ASSERT_TRUE(userInClient({"click", "1"}));
    ASSERT_TRUE(loop_.runUntil([&] { return received("ButtonRelease 3"); }));
    EXPECT_EQ(seen(type::kRightMouseDown), 1);
    EXPECT_FALSE(received("ButtonPress 1"));

    // Scrolling towards the top still scrolls towards the top.
    std::thread([&] {
        const auto source = services_->createEventSource();
        services_->post(
            *services_->createScrollWheelEvent(*source, platform::ScrollUnit::line, 1, 2));
    }).join();
    EXPECT_TRUE(loop_.runUntil([&] { return client_->count("ButtonPress 4 state=0x0") == 2; }));
    EXPECT_FALSE(received("ButtonPress 5"));
}

TEST_F(EventServicesTest, TheMKeyIsTheHoldsBesideOtherProgramsShortcutsAndARefusalIsNotedOnce) {
    const std::optional<Display> shortcuts = session_.connect();
    ASSERT_TRUE(shortcuts);
    const KeyCode m = XKeysymToKeycode(shortcuts->get(), XK_m);
    // Super+M, as a window manager or a hotkey daemon binds it.
    XGrabKey(shortcuts->get(), m, Mod4Mask, shortcuts->root(), False, GrabModeAsync, GrabModeAsync);
    XSync(shortcuts->get(), False);
    ASSERT_TRUE(startTap(keepHold));
    ASSERT_TRUE(userInClient({"mousedown", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseDown) == 1; }));
    ASSERT_TRUE(session_.xdotool({"key", "m", "mouseup", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == 1; }));
    ASSERT_TRUE(markerArrives());
    EXPECT_EQ(seen(type::kKeyDown), 1);
    EXPECT_FALSE(received("KeyPress m"));
    EXPECT_TRUE(notes_.empty());

    // A program that takes M itself keeps it; the gesture log hears of it once.
    XGrabKey(shortcuts->get(), m, 0, shortcuts->root(), False, GrabModeAsync, GrabModeAsync);
    XSync(shortcuts->get(), False);
    for (int hold = 0; hold < 2; ++hold) {
        ASSERT_TRUE(userInClient({"click", "3"}));
        ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == hold + 2; }));
    }
    EXPECT_EQ(notes_,
              std::vector<std::string>{"x11=m_key_not_grabbed reason=held_by_another_program"});
}

// Num Lock moved to another modifier while the program runs: presses made with it on are
// still the tap's.
TEST_F(EventServicesTest, ALockModifierMovedWhileRunningStillLeavesTheButtonsToTheTap) {
    ASSERT_TRUE(startTap(keepHold));
    ::Display* display = display_->get();
    const KeyCode numLock = XKeysymToKeycode(display, XK_Num_Lock);
    ASSERT_NE(numLock, 0);
    XModifierKeymap* map = XGetModifierMapping(display);
    map = XDeleteModifiermapEntry(map, numLock, Mod2MapIndex);
    map = XInsertModifiermapEntry(map, numLock, Mod3MapIndex);
    ASSERT_EQ(XSetModifierMapping(display, map), MappingSuccess);
    XFreeModifiermap(map);
    XSync(display, False);

    loop_.runUntil([] { return true; });  // the tap hears of the change

    ASSERT_TRUE(userInClient({"key", "Num_Lock", "click", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == 1; }));
    EXPECT_EQ(seen(type::kRightMouseDown), 1);
    EXPECT_FALSE(received("ButtonPress 3"));
}

// The program's scroll burst runs on for a moment; a hold begun meanwhile must not take its
// clicks for the user's wheel.
TEST_F(EventServicesTest, AHoldBegunDuringTheProgramsScrollBurstHearsNoneOfItsClicks) {
    ASSERT_TRUE(startTap(keepHold));
    ASSERT_TRUE(userInClient({}));
    // A press made while one of the burst's wheel buttons is down is no grabbed press (X
    // grabs a button only with no other held): it reaches the window, and the user presses
    // again, as the program cannot help it.
    bool held = false;
    for (int attempt = 0; attempt < 10 && !held; ++attempt) {
        std::atomic<bool> bursting{true};
        std::thread burst([&] {
            const auto source = services_->createEventSource();
            for (int i = 0; i < 140 && bursting; ++i) {
                services_->post(*services_->createScrollWheelEvent(
                    *source, platform::ScrollUnit::pixel, 1, 2000));
                std::this_thread::sleep_for(std::chrono::microseconds(1800));
            }
        });
        const int missed = client_->countStarting("ButtonPress 3");
        const int missedReleases = client_->countStarting("ButtonRelease 3");
        const int clicks = client_->count("ButtonPress 4 state=0x0");
        EXPECT_TRUE(client_->waitFor("ButtonPress 4 state=0x0", clicks + 40));
        // The main loop turns meanwhile, as the program's does. The sideways click comes
        // right after the program's last one, and is still the user's: bursts are vertical.
        // The burst stops as the hold begins, so a click a moment later is the user's too.
        std::thread user([&] {
            session_.xdotool({"mousedown", "3", "click", "6", "sleep", "0.1", "click", "4", "sleep",
                              "0.1", "mouseup", "3"});
        });
        loop_.runUntil([&] {
            return seen(type::kRightMouseUp) == 1 ||
                   client_->countStarting("ButtonRelease 3") > missedReleases;
        });
        user.join();
        bursting = false;
        burst.join();
        held = client_->countStarting("ButtonPress 3") == missed;
    }
    ASSERT_TRUE(held);
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == 1; }));
    std::vector<std::int64_t> wheel;
    for (const Event& event : seen_) {
        if (event.type == type::kScrollWheel) {
            wheel.push_back(event.integerField(platform::event_field::kScrollWheelDeltaAxis1));
        }
    }
    EXPECT_EQ(wheel, (std::vector<std::int64_t>{0, 1}));
    // The user's own wheel in a hold is still the tap's.
    ASSERT_TRUE(session_.xdotool({"sleep", "0.1", "mousedown", "3", "click", "4", "mouseup", "3"}));
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == 2; }));
    EXPECT_EQ(seen(type::kScrollWheel), 3);
}

// Input is timed by the server's stamps, so a main loop that reads a stroke late, all at
// once, still sees the pause the user made, and a step of the wall clock changes nothing.
TEST_F(EventServicesTest, EventsCarryTheServersTimeNotTheTimeTheyWereRead) {
    ASSERT_TRUE(startTap(keepHold));
    ASSERT_TRUE(userInClient({"mousedown", "3", "mousemove_relative", "0", "40", "sleep", "0.3",
                              "mousemove_relative", "--", "0", "-40", "mouseup", "3"}));
    // Only now does the main loop turn.
    ASSERT_TRUE(loop_.runUntil([&] { return seen(type::kRightMouseUp) == 1; }));
    std::vector<Event> drags;
    std::copy_if(seen_.begin(), seen_.end(), std::back_inserter(drags),
                 [](const Event& e) { return e.type == type::kRightMouseDragged; });
    // The longest gap between two drags is the user's pause, however the moves were split.
    ASSERT_GE(drags.size(), 2u);
    platform::InputTime pause = 0;
    for (std::size_t i = 1; i < drags.size(); ++i) {
        pause = std::max(pause, drags[i].timestamp - drags[i - 1].timestamp);
    }
    // The server stamps an event when it takes it in, a millisecond late now and then; read
    // times would show no pause at all.
    EXPECT_GE(pause, 250 * platform::kNanosecondsPerMillisecond);
    EXPECT_LE(seen_.front().timestamp, drags.front().timestamp);
    EXPECT_NE(seen_.front().timestamp, 0u);
}

}  // namespace
}  // namespace velmor::x11::testing
