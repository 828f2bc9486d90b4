#include "platform/x11/raw_releases.h"

#include <X11/extensions/XInput2.h>

#include <algorithm>

namespace velmor::x11 {

namespace {

constexpr int kMaxButtons = 32;

}  // namespace

RawReleases::RawReleases(Display& display) : display_(display) {
    int event = 0;
    int error = 0;
    if (XQueryExtension(display.get(), "XInputExtension", &opcode_, &event, &error) != True) {
        opcode_ = -1;
        return;
    }
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawButtonRelease);
    XIEventMask mask{XIAllMasterDevices, sizeof(bits), bits};
    XISelectEvents(display.get(), display.root(), &mask, 1);
    refreshButtonMap();
}

void RawReleases::refreshButtonMap() {
    buttonMap_.assign(kMaxButtons, 0);
    const int count =
        XGetPointerMapping(display_.get(), buttonMap_.data(), static_cast<int>(buttonMap_.size()));
    buttonMap_.resize(static_cast<std::size_t>(std::max(count, 0)));
}

std::optional<unsigned int> RawReleases::releasedButton(const XEvent& event) {
    if (event.type != GenericEvent || event.xcookie.extension != opcode_) {
        return std::nullopt;
    }
    XGenericEventCookie cookie = event.xcookie;
    if (XGetEventData(display_.get(), &cookie) == False) {
        return std::nullopt;
    }
    std::optional<unsigned int> button;
    if (cookie.evtype == XI_RawButtonRelease) {
        const int physical = static_cast<const XIRawEvent*>(cookie.data)->detail;
        // Raw events number the device's buttons; windows see them through the pointer map.
        if (physical >= 1 && static_cast<std::size_t>(physical) <= buttonMap_.size()) {
            button = buttonMap_[static_cast<std::size_t>(physical) - 1];
        }
    }
    XFreeEventData(display_.get(), &cookie);
    return button;
}

}  // namespace velmor::x11
