// The window half of accessibility: a process's window, its title, minimising it.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <unistd.h>

#include "platform/x11/ewmh.h"
#include "platform/x11/x11_windows.h"
#include "x11/desktop_fixture.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

using platform::WindowElement;

constexpr double kTimeout = 0.5;

using WindowsTest = DesktopTest;

TEST_F(WindowsTest, FindsTheProcessWindowItsTitleAndMinimisesIt) {
    X11Windows windows(session_.name());
    ASSERT_TRUE(windows.connected());
    const pid_t pid = client_->process().pid();
    std::optional<WindowElement> window;
    ASSERT_TRUE(
        waitUntil([&] { return (window = windows.focusedWindow(pid, kTimeout)).has_value(); }));
    EXPECT_EQ(window->id, static_cast<std::int64_t>(client_->window()));
    EXPECT_EQ(window->pid, pid);
    EXPECT_EQ(windows.windowTitle(*window, kTimeout), "녹음기 — recorder");
    EXPECT_FALSE(windows.focusedWindow(getpid(), kTimeout));

    ASSERT_TRUE(waitUntil([&] { return clientViewable(); }));
    EXPECT_TRUE(windows.setMinimized(*window, true, kTimeout));
    EXPECT_TRUE(waitUntil([&] { return !clientViewable(); }));
    // Still the process's window while iconified, so it can be brought back.
    EXPECT_EQ(windows.focusedWindow(pid, kTimeout)->id, window->id);
    EXPECT_TRUE(windows.setMinimized(*window, false, kTimeout));
    EXPECT_TRUE(waitUntil([&] { return clientViewable(); }));
}

// A browser's title is read as the hold begins and given once, to the gesture that follows.
TEST_F(WindowsTest, ABrowsersTitleNotedAsTheHoldBeginsIsGivenOnceThenTheServersAgain) {
    X11Windows windows(session_.name());
    const Window browser = ownWindow("navigator", "Firefox");
    retitle(browser, "Song - YouTube Music");
    Ewmh ewmh(*display_);
    ASSERT_TRUE(waitUntil([&] {
        ewmh.activate(browser);
        return ewmh.activeWindow() == browser;
    }));
    const WindowElement element{getpid(), static_cast<std::int64_t>(browser)};

    windows.noteFrontTitle();
    retitle(browser, "Search - Firefox");
    EXPECT_EQ(windows.windowTitle(element, kTimeout), "Song - YouTube Music");
    EXPECT_EQ(windows.windowTitle(element, kTimeout), "Search - Firefox");

    // Noted for one window, asked about another: the other's own title, and the note is gone.
    windows.noteFrontTitle();
    retitle(browser, "Mail - Firefox");
    const WindowElement client{client_->process().pid(),
                               static_cast<std::int64_t>(client_->window())};
    EXPECT_EQ(windows.windowTitle(client, kTimeout), "녹음기 — recorder");
    EXPECT_EQ(windows.windowTitle(element, kTimeout), "Mail - Firefox");

    // Only a browser's title is worth reading ahead.
    ASSERT_TRUE(waitUntil([&] {
        ewmh.activate(client_->window());
        return ewmh.activeWindow() == client_->window();
    }));
    windows.noteFrontTitle();
    retitle(client_->window(), "renamed");
    EXPECT_EQ(windows.windowTitle(client, kTimeout), "renamed");
    XDestroyWindow(display_->get(), browser);
}

TEST_F(WindowsTest, WindowsThatWentAwayAnswerNothing) {
    X11Windows windows(session_.name());
    const Window plain =
        XCreateSimpleWindow(display_->get(), display_->root(), 0, 0, 10, 10, 0, 0, 0);
    XDestroyWindow(display_->get(), plain);
    XSync(display_->get(), False);
    const WindowElement gone{getpid(), static_cast<std::int64_t>(plain)};
    EXPECT_FALSE(windows.windowTitle(gone, kTimeout));
    EXPECT_FALSE(windows.setMinimized(gone, true, kTimeout));
    EXPECT_FALSE(windows.setMinimized(gone, false, kTimeout));

    const pid_t pid = client_->process().pid();
    const WindowElement client{pid, static_cast<std::int64_t>(client_->window())};
    EXPECT_EQ(Ewmh(*display_).closeWindowsOf(pid), 1);
    ASSERT_TRUE(client_->waitFor("closed"));
    ASSERT_EQ(client_->process().wait(kPatience), 0);
    EXPECT_EQ(Ewmh(*display_).closeWindowsOf(pid), 0);
    EXPECT_TRUE(waitUntil([&] { return !windows.focusedWindow(pid, kTimeout); }));
    EXPECT_FALSE(windows.windowTitle(client, kTimeout));
    EXPECT_FALSE(windows.setMinimized(client, true, kTimeout));
}

}  // namespace
}  // namespace velmor::x11::testing
