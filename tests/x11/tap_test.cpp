// The tap against a real server: what it keeps never reaches a window, what it passes
// reaches the window exactly once, and what it cannot pass any more is reported.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include <X11/keysym.h>

#include "platform/x11/event_translation.h"
#include "x11/desktop_fixture.h"
#include "x11/tap_thread.h"

namespace velmor::x11::testing {
namespace {

namespace type = platform::event_type;

TapAnswer swallowAll(XTestPoster&, const platform::Event&) {
    return TapAnswer::swallow;
}

bool mentionsButton(const std::vector<std::string>& lines, const std::string& button) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        return line.rfind("ButtonPress " + button + " ", 0) == 0 ||
               line.rfind("ButtonRelease " + button + " ", 0) == 0;
    });
}

using TapTest = DesktopTest;

TEST_F(TapTest, SwallowedRightHoldAndItsMKeyReachNoWindow) {
    TapThread tap(session_.name(), swallowAll);
    ASSERT_TRUE(tap.grabbed());
    // A person presses M some time after the right button, when the hold has begun.
    ASSERT_TRUE(userInClient({"mousedown", "3", "mousemove_relative", "40", "30"}));
    ASSERT_TRUE(tap.waitForHold());
    ASSERT_TRUE(session_.xdotool({"keydown", "m", "keyup", "m", "mouseup", "3"}));
    ASSERT_TRUE(tap.waitForHold(false));
    // M pressed in the hold and let go after the right button: both halves kept.
    ASSERT_TRUE(userInClient({"mousedown", "3"}));
    ASSERT_TRUE(tap.waitForHold());
    ASSERT_TRUE(session_.xdotool({"keydown", "m", "mouseup", "3", "keyup", "m"}));
    ASSERT_TRUE(tap.waitForSeen(type::kKeyUp, 2));
    ASSERT_TRUE(leftClickArrives());

    EXPECT_TRUE(tap.waitForSeen(type::kRightMouseDragged));
    std::vector<std::uint32_t> seen = tap.seenTypes();
    std::erase(seen, type::kRightMouseDragged);  // as many as the server merged motions into
    EXPECT_EQ(seen, (std::vector<std::uint32_t>{
                        type::kRightMouseDown, type::kKeyDown, type::kKeyUp, type::kRightMouseUp,
                        type::kRightMouseDown, type::kKeyDown, type::kRightMouseUp, type::kKeyUp}));
    EXPECT_FALSE(mentionsButton(client_->received(), "3"));
    EXPECT_EQ(client_->count("KeyPress m state=0x0"), 0);

    // Outside a hold the M key is nobody's business: it reaches the focused window.
    ASSERT_TRUE(userInClient({"key", "m"}));
    EXPECT_TRUE(client_->waitFor("KeyPress m state=0x0"));
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

TEST_F(TapTest, TheMKeyIsFollowedWhenTheKeyboardMapChanges) {
    TapThread tap(session_.name(), swallowAll);
    ASSERT_TRUE(tap.grabbed());
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
    ASSERT_TRUE(tap.waitForHold());
    ASSERT_TRUE(session_.xdotool({"key", "m", "mouseup", "3"}));
    EXPECT_TRUE(tap.waitForSeen(type::kKeyDown));
    ASSERT_TRUE(leftClickArrives());
    EXPECT_EQ(client_->count("KeyPress m state=0x0"), 0);
}

TEST_F(TapTest, PassedPressReachesTheWindowExactlyOnce) {
    TapThread tap(session_.name(),
                  [](XTestPoster&, const platform::Event&) { return TapAnswer::pass; });
    ASSERT_TRUE(tap.grabbed());
    ASSERT_TRUE(userInClient({"click", "3", "click", "2"}));
    ASSERT_TRUE(client_->waitFor("ButtonRelease 2 state=0x200"));
    ASSERT_TRUE(leftClickArrives());

    EXPECT_EQ(client_->count("ButtonPress 3 state=0x0"), 1);
    EXPECT_EQ(client_->count("ButtonRelease 3 state=0x400"), 1);
    EXPECT_EQ(client_->count("ButtonPress 2 state=0x0"), 1);
    // The release went straight to the window that got the replayed press.
    EXPECT_EQ(tap.seenTypes(),
              (std::vector<std::uint32_t>{type::kRightMouseDown, type::kOtherMouseDown}));
}

TEST_F(TapTest, PressesInAHoldThatWantToPassAreDroppedAndReported) {
    TapThread tap(session_.name(), [](XTestPoster&, const platform::Event& event) {
        return event.type == type::kRightMouseDown || event.type == type::kRightMouseUp
                   ? TapAnswer::swallow
                   : TapAnswer::pass;
    });
    ASSERT_TRUE(tap.grabbed());
    ASSERT_TRUE(userInClient({"mousedown", "3", "click", "2", "click", "4", "click", "5", "click",
                              "6", "click", "9", "mouseup", "3"}));
    ASSERT_TRUE(tap.waitForSeen(type::kRightMouseUp));
    ASSERT_TRUE(leftClickArrives());

    const std::vector<platform::Event> dropped = tap.dropped();
    ASSERT_EQ(dropped.size(), 5u);
    namespace field = platform::event_field;
    EXPECT_EQ(dropped[0].type, type::kOtherMouseDown);
    EXPECT_EQ(dropped[0].integerField(field::kMouseButtonNumber), 2);
    // The wheel: away from the user, towards the user, sideways on the second axis.
    EXPECT_EQ(dropped[1].type, type::kScrollWheel);
    EXPECT_EQ(dropped[1].integerField(field::kScrollWheelDeltaAxis1), 1);
    EXPECT_EQ(dropped[2].integerField(field::kScrollWheelDeltaAxis1), -1);
    EXPECT_EQ(dropped[3].integerField(field::kScrollWheelDeltaAxis1), 0);
    EXPECT_EQ(dropped[3].integerField(kScrollWheelDeltaAxis2), 1);
    EXPECT_EQ(dropped[4].type, type::kOtherMouseDown);
    EXPECT_EQ(dropped[4].integerField(field::kMouseButtonNumber), 4);
    const std::vector<std::string> received = client_->received();
    EXPECT_FALSE(mentionsButton(received, "2"));
    EXPECT_FALSE(mentionsButton(received, "3"));
    EXPECT_FALSE(mentionsButton(received, "4"));
}

TEST_F(TapTest, ThrowingCallbackPassesThePressAndLeavesThePointerFree) {
    TapThread tap(session_.name(), [](XTestPoster&, const platform::Event&) -> TapAnswer {
        throw std::runtime_error("routing failed");
    });
    ASSERT_TRUE(tap.grabbed());
    ASSERT_TRUE(userInClient({"click", "3"}));
    ASSERT_TRUE(leftClickArrives());
    EXPECT_EQ(client_->count("ButtonPress 3 state=0x0"), 1);
}

TEST_F(TapTest, ClickPostedWithTheGrabLiftedReachesTheWindowOnceAndNotTheTap) {
    TapThread tap(session_.name(), [](XTestPoster& poster, const platform::Event& event) {
        if (event.type == type::kRightMouseUp) {
            poster.click(event.location);
        }
        return TapAnswer::swallow;
    });
    ASSERT_TRUE(tap.grabbed());
    ASSERT_TRUE(userInClient({"mousedown", "3", "mouseup", "3"}));
    ASSERT_TRUE(client_->waitFor("ButtonRelease 3 state=0x400"));
    ASSERT_TRUE(leftClickArrives());
    EXPECT_EQ(client_->count("ButtonPress 3 state=0x0"), 1);
    EXPECT_EQ(tap.seenTypes(),
              (std::vector<std::uint32_t>{type::kRightMouseDown, type::kRightMouseUp}));

    // The grab is back: the next hold is the tap's again.
    ASSERT_TRUE(userInClient({"mousedown", "3", "mouseup", "3"}));
    ASSERT_TRUE(tap.waitForSeen(type::kRightMouseDown, 2));
    ASSERT_TRUE(client_->waitFor("ButtonPress 3 state=0x0", 2));
    ASSERT_TRUE(leftClickArrives());
    EXPECT_EQ(client_->count("ButtonPress 3 state=0x0"), 2);
}

}  // namespace
}  // namespace velmor::x11::testing
