#include "platform/x11/raw_releases.h"

#include <X11/extensions/XInput2.h>

namespace velmor::x11 {

RawReleases::RawReleases(Display& display, const ButtonMap& buttons)
    : display_(display), buttons_(buttons) {
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
        if (physical >= 1) {
            button = buttons_.logical(static_cast<unsigned int>(physical));
        }
    }
    XFreeEventData(display_.get(), &cookie);
    return button;
}

}  // namespace velmor::x11
