// The grab against other clients: refused while another holds it, and the desktop usable
// again when a grabbing process dies in the middle of a hold.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <signal.h>

#include <fstream>

#include "platform/x11/pointer_grab.h"
#include "x11/desktop_fixture.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

using GrabTest = DesktopTest;

std::string contents(const std::filesystem::path& file) {
    std::ifstream in(file);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST_F(GrabTest, RefusedWhileAnotherClientHoldsItAndTakenOnceThatClientIsGone) {
    std::optional<Display> other = session_.connect();
    ASSERT_TRUE(other);
    std::optional<PointerGrab> othersGrab(std::in_place, *other);
    ASSERT_TRUE(othersGrab->grab());

    PointerGrab ours(*display_);
    EXPECT_FALSE(ours.grab());
    EXPECT_FALSE(ours.held());

    othersGrab.reset();  // `other` must outlive its grab
    other.reset();
    EXPECT_TRUE(ours.grab());
    EXPECT_TRUE(ours.held());
    ours.release();
    EXPECT_TRUE(ours.grab());
}

TEST_F(GrabTest, KillingTheGrabbingProcessInAHoldLeavesThePointerUsable) {
    const std::filesystem::path log = folder_ / "holder.txt";
    ChildProcess holder = session_.start({VELMOR_GRAB_HOLDER, log.string()});
    ASSERT_TRUE(waitUntil([&] { return contents(log) == "grabbed\n"; }));
    ASSERT_TRUE(userInClient({"mousedown", "3"}));
    ASSERT_TRUE(waitUntil([&] { return contents(log) == "grabbed\ndown\n"; }));

    holder.signal(SIGKILL);
    ASSERT_NE(holder.wait(kPatience), -1);
    ASSERT_TRUE(session_.xdotool({"mouseup", "3"}));
    ASSERT_TRUE(leftClickArrives());
    ASSERT_TRUE(userInClient({"click", "3"}));
    EXPECT_TRUE(client_->waitFor("ButtonPress 3 state=0x0"));
}

}  // namespace
}  // namespace velmor::x11::testing
