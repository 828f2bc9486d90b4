#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <memory>

namespace velmor::x11 {

// Keeps a connection served by the main loop; dropping it stops that.
class ConnectionWatchToken {
public:
    virtual ~ConnectionWatchToken() = default;
};

// How the backend's main loop serves an X connection: `dispatch` runs on the main thread
// whenever the connection has events, whether they wait in the socket or already sit in
// Xlib's queue (a watch on the descriptor alone would miss those).
class ConnectionWatcher {
public:
    virtual ~ConnectionWatcher() = default;
    [[nodiscard]] virtual std::unique_ptr<ConnectionWatchToken> watchConnection(
        ::Display* display, std::function<void()> dispatch) = 0;
};

}  // namespace velmor::x11
