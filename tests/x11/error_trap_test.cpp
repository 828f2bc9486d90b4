// Protocol errors caught by a trap: whose they are, and when the trap has to wait for them.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <X11/Xatom.h>

#include "platform/x11/error_trap.h"
#include "x11/x_session.h"

namespace velmor::x11::testing {
namespace {

using Waiting = ErrorTrap::Waiting;

class ErrorTrapTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!session_.ready()) {
            GTEST_SKIP() << session_.problem();
        }
        display_ = session_.connect();
        ASSERT_TRUE(display_);
        XSync(display_->get(), False);
    }

    // A window id no client holds: every request about it fails with BadWindow.
    static constexpr Window kGone = 0x3fffffff;

    bool readsAGoneWindowsName() const {
        Atom type = None;
        int format = 0;
        unsigned long items = 0;
        unsigned long remaining = 0;
        unsigned char* data = nullptr;
        const int status =
            XGetWindowProperty(display_->get(), kGone, XA_WM_NAME, 0, 1, False, AnyPropertyType,
                               &type, &format, &items, &remaining, &data);
        XFree(data);
        return status == Success;
    }

    unsigned long requestsSent() const { return XNextRequest(display_->get()); }

    XSession session_;
    std::optional<Display> display_;
};

TEST_F(ErrorTrapTest, ARequestsOwnErrorIsCaughtWithoutWaitingTwice) {
    for (Waiting waiting : {Waiting::always, Waiting::whenUnanswered}) {
        const unsigned long before = requestsSent();
        ErrorTrap trap(display_->get(), waiting);
        EXPECT_FALSE(readsAGoneWindowsName());
        EXPECT_EQ(trap.sync(), BadWindow);
        // One request for the read; waiting for an answer already had would add one each.
        const unsigned long sent = requestsSent() - before;
        EXPECT_EQ(sent, waiting == Waiting::always ? 3UL : 1UL);
    }
}

TEST_F(ErrorTrapTest, AnEarlierRequestsErrorIsNotTheTrapsEvenWhenItWaitsOnlyForTheUnanswered) {
    for (Waiting waiting : {Waiting::always, Waiting::whenUnanswered}) {
        ErrorTrap outer(display_->get());
        XMapWindow(display_->get(), kGone);
        {
            ErrorTrap inner(display_->get(), waiting);
            XBell(display_->get(), 0);
            EXPECT_EQ(inner.sync(), Success);
        }
        EXPECT_EQ(outer.sync(), BadWindow);

        // And a request with no reply of its own is waited for.
        ErrorTrap trap(display_->get(), waiting);
        XMapWindow(display_->get(), kGone);
        EXPECT_EQ(trap.sync(), BadWindow);
    }
}

int errorsOutsideTraps = 0;

int countErrorOutsideTraps(::Display*, XErrorEvent*) {
    ++errorsOutsideTraps;
    return 0;
}

// Nested traps keep the errors until the outermost ends, and then the handler that was there
// before is back.
TEST_F(ErrorTrapTest, TheHandlerBeforeTheFirstTrapIsBackOnlyAfterTheLast) {
    errorsOutsideTraps = 0;
    const XErrorHandler before = XSetErrorHandler(&countErrorOutsideTraps);
    {
        ErrorTrap outer(display_->get());
        { ErrorTrap inner(display_->get()); }
        XMapWindow(display_->get(), kGone);
        EXPECT_EQ(outer.sync(), BadWindow);
    }
    EXPECT_EQ(errorsOutsideTraps, 0);
    XMapWindow(display_->get(), kGone);
    XSync(display_->get(), False);
    EXPECT_EQ(errorsOutsideTraps, 1);
    XSetErrorHandler(before);
}

}  // namespace
}  // namespace velmor::x11::testing
