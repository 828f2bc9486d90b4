#include "platform/x11/tap_connection.h"

#include "platform/x11/error_trap.h"

namespace velmor::x11 {
namespace {

bool maskSelects(std::uint64_t mask, std::uint32_t type) {
    return type < 64 && ((mask >> type) & 1u) != 0;
}

}  // namespace

TapConnection::TapConnection(Display display, std::uint64_t eventMask,
                             platform::TapCallback callback, TapPump::Note note,
                             TapListeners listeners)
    : display_(std::move(display)),
      eventMask_(eventMask),
      callback_(std::move(callback)),
      grab_(display_),
      pump_(
          display_, grab_,
          [this](std::uint32_t type, const platform::Event& event) { return ask(type, event); },
          std::move(note), std::move(listeners)),
      poster_(display_, grab_, pump_.buttonMap()) {}

void TapConnection::dispatch() {
    dispatching_ = true;
    pump_.dispatchPending();
    dispatching_ = false;
    postWaitingClicks();
}

void TapConnection::click(Point at, unsigned int button) {
    waitingClicks_.push_back({at, button});
    if (!dispatching_) {
        postWaitingClicks();
    }
}

void TapConnection::postWaitingClicks() {
    while (!waitingClicks_.empty() && !pump_.holding()) {
        // What the server already sent comes first; the main loop calls again for it.
        XSync(display_.get(), False);
        if (XPending(display_.get()) > 0) {
            return;
        }
        // A button the server's test device lacks is refused, not fatal.
        ErrorTrap trap(display_.get());
        const Click waiting = waitingClicks_.front();
        if (!poster_.click(waiting.at, waiting.button)) {
            return;
        }
        waitingClicks_.pop_front();
        pump_.ownClickPosted(waiting.button);
    }
}

void TapConnection::close() {
    closed_ = true;
    grab_.release();
}

TapAnswer TapConnection::ask(std::uint32_t type, const platform::Event& event) const {
    // A throwing callback is the pump's to catch: it answers the server all the same.
    if (closed_ || !callback_ || !maskSelects(eventMask_, type)) {
        return TapAnswer::pass;
    }
    return callback_(type, event) == platform::TapResult::swallow ? TapAnswer::swallow
                                                                  : TapAnswer::pass;
}

}  // namespace velmor::x11
