// What the window manager says about the client's window.
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

// Titles, and what a gone window answers, are the windows cases'.
TEST_F(EwmhTest, TellsTheActiveWindowsProcessAndClassAndAnOldStyleTitle) {
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

    const std::filesystem::path picture =
        std::filesystem::path(VELMOR_ARTIFACT_DIR) / "x11-recording-client.png";
    if (!session_.screenshot(picture)) {
        std::cout << "no screenshot: imagemagick's import is not installed\n";
    }

    // A window with only the old name, and once it is gone.
    const Window plain =
        XCreateSimpleWindow(display_->get(), display_->root(), 0, 0, 10, 10, 0, 0, 0);
    XStoreName(display_->get(), plain, "plain name");
    EXPECT_EQ(ewmh.titleOf(plain), "plain name");
    EXPECT_FALSE(ewmh.pidOf(plain));
    XDestroyWindow(display_->get(), plain);
    EXPECT_FALSE(ewmh.classOf(plain));
}

}  // namespace
}  // namespace velmor::x11::testing
