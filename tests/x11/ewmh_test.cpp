// What the window manager says about the client's window and what it does when asked.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <X11/Xutil.h>

#include <algorithm>

#include "platform/x11/ewmh.h"
#include "x11/desktop_fixture.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

using EwmhTest = DesktopTest;

bool isMapped(const Display& display, Window window) {
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display.get(), window, &attributes) != 0 &&
           attributes.map_state == IsViewable;
}

TEST_F(EwmhTest, TellsTheActiveWindowsProcessClassAndTitle) {
    Ewmh ewmh(*display_);
    const Window window = client_->window();
    ASSERT_TRUE(waitUntil([&] {
        const std::vector<Window> clients = ewmh.clientWindows();
        return std::find(clients.begin(), clients.end(), window) != clients.end();
    }));
    ewmh.activate(window);
    ASSERT_TRUE(waitUntil([&] { return ewmh.activeWindow() == window; }));

    EXPECT_EQ(ewmh.pidOf(window), client_->process().pid());
    const std::optional<WindowClass> windowClass = ewmh.classOf(window);
    ASSERT_TRUE(windowClass);
    EXPECT_EQ(windowClass->instance, "recorder");
    EXPECT_EQ(windowClass->className, "VelmorRecorder");
    EXPECT_EQ(ewmh.titleOf(window), "녹음기 — recorder");

    const std::filesystem::path picture =
        std::filesystem::path(VELMOR_ARTIFACT_DIR) / "x11-recording-client.png";
    if (!session_.screenshot(picture)) {
        std::cout << "no screenshot: imagemagick's import is not installed\n";
    }

    // A window with only the old name; a window that is gone.
    const Window plain =
        XCreateSimpleWindow(display_->get(), display_->root(), 0, 0, 10, 10, 0, 0, 0);
    XStoreName(display_->get(), plain, "plain name");
    EXPECT_EQ(ewmh.titleOf(plain), "plain name");
    EXPECT_FALSE(ewmh.pidOf(plain));
    XDestroyWindow(display_->get(), plain);
    EXPECT_FALSE(ewmh.titleOf(plain));
    EXPECT_FALSE(ewmh.classOf(plain));
    EXPECT_FALSE(ewmh.iconify(plain));
}

TEST_F(EwmhTest, IconifiesShowsTheDesktopAndClosesEveryWindowOfAProcess) {
    Ewmh ewmh(*display_);
    const Window window = client_->window();
    ASSERT_TRUE(waitUntil([&] { return isMapped(*display_, window); }));

    EXPECT_TRUE(ewmh.iconify(window));
    EXPECT_TRUE(waitUntil([&] { return !isMapped(*display_, window); }));
    ewmh.activate(window);
    ASSERT_TRUE(waitUntil([&] { return isMapped(*display_, window); }));

    ewmh.showDesktop(true);
    EXPECT_TRUE(waitUntil([&] { return ewmh.showingDesktop() == true; }));
    EXPECT_TRUE(waitUntil([&] { return !isMapped(*display_, window); }));
    ewmh.showDesktop(false);
    EXPECT_TRUE(waitUntil([&] { return ewmh.showingDesktop() == false; }));
    EXPECT_TRUE(waitUntil([&] { return isMapped(*display_, window); }));

    EXPECT_EQ(ewmh.closeWindowsOf(client_->process().pid()), 1);
    EXPECT_TRUE(client_->waitFor("closed"));
    EXPECT_EQ(client_->process().wait(kPatience), 0);
    EXPECT_EQ(ewmh.closeWindowsOf(client_->process().pid()), 0);
}

}  // namespace
}  // namespace velmor::x11::testing
