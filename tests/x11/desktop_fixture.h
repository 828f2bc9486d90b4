#pragma once

#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/x11/display.h"
#include "x11/recording_client_runner.h"
#include "x11/temp_folder.h"
#include "x11/wait_until.h"
#include "x11/x_session.h"

namespace velmor::x11::testing {

// A fresh desktop per test: its own X server and window manager, a recording client's
// window on it, a connection for the test's own questions and a folder for its files.
class DesktopTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!session_.ready()) {
            GTEST_SKIP() << session_.problem();
        }
        ASSERT_FALSE(folder_.empty());
        display_ = session_.connect();
        ASSERT_TRUE(display_);
        client_.emplace(session_, folder_ / "received.txt");
        ASSERT_TRUE(client_->ready()) << "the recording client mapped no window";
        // As the user finds it: in front, with the focus, so that the window manager's
        // click-to-focus grab takes none of the clicks a test sends it.
        ASSERT_TRUE(clientFocused()) << "the window manager gave the client no focus";
    }

    void TearDown() override { client_.reset(); }

    // The middle of the client's window in root coordinates, as xdotool arguments.
    std::vector<std::string> moveToClient(int offset = 0) const {
        Window child = 0;
        int x = 0;
        int y = 0;
        XTranslateCoordinates(display_->get(), client_->window(), display_->root(), 300, 200, &x,
                              &y, &child);
        return {"mousemove", std::to_string(x + offset), std::to_string(y + offset)};
    }

    bool clientFocused() const {
        const std::string id = std::to_string(client_->window());
        return waitUntil([&] {
            session_.xdotool({"windowactivate", "--sync", id});
            Window focus = 0;
            int revert = 0;
            XGetInputFocus(display_->get(), &focus, &revert);
            return focus == client_->window();
        });
    }

    // Plays the user: xdotool with the pointer first moved into the client's window.
    bool userInClient(std::vector<std::string> actions, int offset = 0) const {
        std::vector<std::string> arguments = moveToClient(offset);
        arguments.insert(arguments.end(), actions.begin(), actions.end());
        return session_.xdotool(arguments);
    }

    // Whether the client's window shows: iconified or closed windows do not.
    bool clientViewable() const {
        XWindowAttributes attributes{};
        return XGetWindowAttributes(display_->get(), client_->window(), &attributes) != 0 &&
               attributes.map_state == IsViewable;
    }

    // A left click as a marker: once the client has it, everything the user did before
    // has reached it too.
    bool leftClickArrives() {
        const int before = client_->count("ButtonRelease 1 state=0x100");
        return userInClient({"click", "1"}) &&
               client_->waitFor("ButtonRelease 1 state=0x100", before + 1);
    }

    // A window of the test's own process with the class given, mapped.
    Window ownWindow(const std::string& instance, const std::string& className) {
        ::Display* display = display_->get();
        const Window window = XCreateSimpleWindow(display, display_->root(), 0, 0, 50, 50, 0, 0, 0);
        std::string instanceName = instance;
        std::string classNameCopy = className;
        XClassHint hint{instanceName.data(), classNameCopy.data()};
        XSetClassHint(display, window, &hint);
        const long pid = getpid();
        XChangeProperty(display, window, display_->atoms().netWmPid, XA_CARDINAL, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
        XMapWindow(display, window);
        XSync(display, False);
        return window;
    }

    // Gives the window a new title, as an application does.
    void retitle(Window window, const std::string& title) {
        XChangeProperty(display_->get(), window, display_->atoms().netWmName,
                        display_->atoms().utf8String, 8, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(title.data()),
                        static_cast<int>(title.size()));
        XSync(display_->get(), False);
    }

    XSession session_;
    TempFolder temp_;
    const std::filesystem::path folder_ = temp_.path();
    std::optional<Display> display_;
    std::optional<RecordingClient> client_;
};

}  // namespace velmor::x11::testing
