#pragma once

#include <cstdint>
#include <deque>
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
                  TapPump::Note note, TapListeners listeners);
    TapConnection(const TapConnection&) = delete;
    TapConnection& operator=(const TapConnection&) = delete;

    ::Display* handle() const { return display_.get(); }
    bool grab() { return grab_.grab(); }
    void release() { grab_.release(); }
    bool grabbed() const { return grab_.held(); }

    // Handles what the connection has received, then posts the clicks that were waiting for
    // it; the main loop calls it.
    void dispatch();
    // A click that never comes back to the tap. It goes once the server has nothing more for
    // the tap and no hold lasts, with the grab lifted around it: a click posted while the
    // pointer is still grabbed, or behind a press the server has frozen for the tap, would
    // come back to the tap instead of reaching the window.
    void click(Point at, unsigned int button);
    // The tap was dropped: no grab any more, and what still arrives passes unasked.
    void close();

private:
    struct Click {
        Point at;
        unsigned int button = 0;
    };
    TapAnswer ask(std::uint32_t type, const platform::Event& event) const;
    void postWaitingClicks();

    Display display_;
    std::uint64_t eventMask_;
    platform::TapCallback callback_;
    bool closed_ = false;
    bool dispatching_ = false;
    std::deque<Click> waitingClicks_;
    PointerGrab grab_;
    TapPump pump_;
    XTestPoster poster_;
};

}  // namespace velmor::x11
