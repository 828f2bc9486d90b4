#pragma once

#include <cstdint>
#include <memory>

#include "core/point.h"
#include "platform/event_services.h"
#include "platform/x11/display.h"
#include "platform/x11/pointer_grab.h"
#include "platform/x11/tap_pump.h"
#include "platform/x11/xtest_poster.h"

namespace velmor::x11 {

// The tap's own connection with its grab, its pump and its poster. Main thread only: the
// callback runs there, and the program's own clicks are posted from it on this connection.
class TapConnection {
public:
    TapConnection(Display display, std::uint64_t eventMask, platform::TapCallback callback,
                  TapPump::DroppedPress dropped);
    TapConnection(const TapConnection&) = delete;
    TapConnection& operator=(const TapConnection&) = delete;

    ::Display* handle() const { return display_.get(); }
    bool grab() { return grab_.grab(); }
    void release() { grab_.release(); }
    bool grabbed() const { return grab_.held(); }

    // Handles what the connection has received; the main loop calls it.
    void dispatch() { pump_.dispatchPending(); }
    // A click that never comes back to the tap: the grab is lifted around it.
    void click(Point at, unsigned int button);
    // The tap was dropped: no grab any more, and what still arrives passes unasked.
    void close();

private:
    TapAnswer ask(std::uint32_t type, const platform::Event& event) const;

    Display display_;
    std::uint64_t eventMask_;
    platform::TapCallback callback_;
    bool closed_ = false;
    PointerGrab grab_;
    XTestPoster poster_;
    TapPump pump_;
};

}  // namespace velmor::x11
