#include "platform/x11/tap_connection.h"

#include "platform/x11/error_trap.h"

namespace velmor::x11 {
namespace {

bool maskSelects(std::uint64_t mask, std::uint32_t type) {
    return type < 64 && ((mask >> type) & 1u) != 0;
}

}  // namespace

TapConnection::TapConnection(Display display, std::uint64_t eventMask,
                             platform::TapCallback callback, TapPump::DroppedPress dropped)
    : display_(std::move(display)),
      eventMask_(eventMask),
      callback_(std::move(callback)),
      grab_(display_),
      poster_(display_, grab_),
      pump_(
          display_,
          [this](std::uint32_t type, const platform::Event& event) { return ask(type, event); },
          std::move(dropped)) {}

void TapConnection::click(Point at, unsigned int button) {
    // A button the server's test device lacks is refused, not fatal.
    ErrorTrap trap(display_.get());
    poster_.click(at, button);
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
