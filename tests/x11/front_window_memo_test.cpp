// The front window is read once and kept until the server says it may have changed.
#include <gtest/gtest.h>

#include "platform/x11/front_window_memo.h"

namespace velmor::x11::testing {
namespace {

constexpr Window kRoot = 0x100;
constexpr Atom kActiveWindow = 300;
constexpr Atom kClientList = 301;
constexpr Atom kOtherProperty = 302;

XEvent propertyChanged(Window window, Atom atom) {
    XEvent event{};
    event.xproperty.type = PropertyNotify;
    event.xproperty.window = window;
    event.xproperty.atom = atom;
    return event;
}

class FrontWindowMemoTest : public ::testing::Test {
protected:
    // The window the memo answers with, counting the reads it needed.
    Window front() {
        const auto found = memo_.get([&]() -> std::optional<FrontWindow> {
            ++reads_;
            if (!nextWindow_) {
                return std::nullopt;
            }
            return FrontWindow{nextWindow_, platform::RunningApplication{42, "Firefox"}};
        });
        return found ? found->window : 0;
    }

    void notice(const XEvent& event) { memo_.notice(event, kRoot, kActiveWindow, kClientList); }

    FrontWindowMemo memo_;
    Window nextWindow_ = 0x500;
    int reads_ = 0;
};

TEST_F(FrontWindowMemoTest, ReadsOnceUntilTheActiveWindowOrTheWindowListChanges) {
    EXPECT_EQ(front(), 0x500U);
    nextWindow_ = 0x600;
    EXPECT_EQ(front(), 0x500U);
    EXPECT_EQ(reads_, 1);

    // Notices that say nothing about the front window keep it.
    notice(propertyChanged(kRoot, kOtherProperty));
    notice(propertyChanged(0x500, kActiveWindow));
    XEvent configured{};
    configured.xconfigure.type = ConfigureNotify;
    configured.xconfigure.window = kRoot;
    notice(configured);
    EXPECT_EQ(front(), 0x500U);
    EXPECT_EQ(reads_, 1);

    notice(propertyChanged(kRoot, kActiveWindow));
    EXPECT_EQ(front(), 0x600U);
    EXPECT_EQ(reads_, 2);

    nextWindow_ = 0x700;
    notice(propertyChanged(kRoot, kClientList));
    EXPECT_EQ(front(), 0x700U);
    EXPECT_EQ(reads_, 3);
}

TEST_F(FrontWindowMemoTest, NothingFoundIsAskedAgainNextTime) {
    nextWindow_ = 0;
    EXPECT_EQ(front(), 0U);
    nextWindow_ = 0x500;
    EXPECT_EQ(front(), 0x500U);
    EXPECT_EQ(reads_, 2);
}

}  // namespace
}  // namespace velmor::x11::testing
