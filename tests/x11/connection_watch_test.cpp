// The main loop serves an X connection: events in the socket and events already in Xlib's
// queue both reach the dispatch, on the main thread.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <X11/Xatom.h>

#include "platform/x11/glib_scheduler.h"
#include "x11/loop_guard.h"
#include "x11/x_session.h"

namespace velmor::x11::testing {
namespace {

TEST(ConnectionWatchTest, DispatchesQueuedAndArrivingEvents) {
    const XSession session;
    if (!session.ready()) {
        GTEST_SKIP() << session.problem();
    }
    std::optional<Display> watched = session.connect();
    std::optional<Display> other = session.connect();
    ASSERT_TRUE(watched && other);
    XSelectInput(watched->get(), watched->root(), PropertyChangeMask);
    XSync(watched->get(), False);

    GlibScheduler scheduler;
    LoopGuard guard(scheduler);
    const Atom name = XInternAtom(other->get(), "VELMOR_WATCH_TEST", False);
    std::vector<int> types;
    const auto token = scheduler.watchConnection(watched->get(), [&] {
        while (XPending(watched->get()) > 0) {
            XEvent event{};
            XNextEvent(watched->get(), &event);
            // The window manager may still be writing its own properties on the root.
            if (event.type != PropertyNotify || event.xproperty.atom == name) {
                types.push_back(event.type);
            }
        }
        if (!types.empty()) {
            scheduler.quitMainLoop();
        }
    });

    // Read off the socket already: only Xlib's queue holds it.
    XEvent queued{};
    queued.type = ClientMessage;
    XPutBackEvent(watched->get(), &queued);
    scheduler.runMainLoop();
    ASSERT_FALSE(guard.expired());
    EXPECT_EQ(types, std::vector<int>{ClientMessage});

    types.clear();
    const unsigned char value = 1;
    XChangeProperty(other->get(), other->root(), name, XA_INTEGER, 8, PropModeReplace, &value, 1);
    XFlush(other->get());
    scheduler.runMainLoop();
    ASSERT_FALSE(guard.expired());
    EXPECT_EQ(types, std::vector<int>{PropertyNotify});
}

}  // namespace
}  // namespace velmor::x11::testing
