// Synthetic keys and wheel clicks as the window under them receives them.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <thread>

#include "platform/x11/ewmh.h"
#include "platform/x11/held_modifiers.h"
#include "platform/x11/wheel_poster.h"
#include "platform/x11/xtest_poster.h"
#include "x11/desktop_fixture.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

using PosterTest = DesktopTest;

TEST_F(PosterTest, KeyCombinationsArriveAsPostedAndLeaveTheUsersModifiersAsTheyWere) {
    Ewmh ewmh(*display_);
    ewmh.activate(client_->window());
    ASSERT_TRUE(waitUntil([&] { return ewmh.activeWindow() == client_->window(); }));
    PointerGrab grab(*display_);
    XTestPoster poster(*display_, grab);

    // The user holds Shift: it must neither mix into Alt+Left nor stay up afterwards.
    ASSERT_TRUE(session_.xdotool({"keydown", "shift"}));
    ASSERT_TRUE(poster.keyCombination({XK_Alt_L}, XK_Left));
    ASSERT_TRUE(client_->waitFor("KeyRelease Alt_L state=0x8"))
        << ::testing::PrintToString(client_->received());
    EXPECT_EQ(client_->count("KeyPress Left state=0x8"), 1)
        << ::testing::PrintToString(client_->received());
    const KeyCode shift = XKeysymToKeycode(display_->get(), XK_Shift_L);
    EXPECT_EQ(heldModifierKeys(display_->get()), std::vector<KeyCode>{shift});
    ASSERT_TRUE(session_.xdotool({"keyup", "shift"}));
    EXPECT_TRUE(waitUntil([&] { return heldModifierKeys(display_->get()).empty(); }));

    ASSERT_TRUE(poster.keyCombination({XK_Control_L}, XK_t));
    ASSERT_TRUE(poster.keyCombination({}, XF86XK_AudioPlay));
    EXPECT_TRUE(client_->waitFor("KeyPress t state=0x4"));
    EXPECT_TRUE(client_->waitFor("KeyPress XF86AudioPlay state=0x0"));
    EXPECT_TRUE(heldModifierKeys(display_->get()).empty());
    EXPECT_FALSE(poster.keyCombination({XK_Control_L}, NoSymbol));
}

TEST_F(PosterTest, WheelClicksFromAnotherThreadReachTheWindowUnderThePointer) {
    ASSERT_TRUE(userInClient({}));
    WheelPoster wheel(session_.name());
    ASSERT_TRUE(wheel.connected());
    std::thread scroller([&] {
        wheel.scroll(3);
        wheel.scroll(-2);
    });
    scroller.join();
    EXPECT_TRUE(client_->waitFor("ButtonPress 4 state=0x0", 3));
    EXPECT_TRUE(client_->waitFor("ButtonPress 5 state=0x0", 2));
    EXPECT_FALSE(WheelPoster(":999").scroll(1));
}

}  // namespace
}  // namespace velmor::x11::testing
