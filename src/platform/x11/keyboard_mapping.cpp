#include "platform/x11/keyboard_mapping.h"

namespace velmor::x11 {

void refreshKeyboardMapping(const XEvent& event) {
    if (event.type != MappingNotify) {
        return;
    }
    XMappingEvent mapping = event.xmapping;
    XRefreshKeyboardMapping(&mapping);
}

void catchUpWithKeyboardMapping(::Display* display) {
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        refreshKeyboardMapping(event);
    }
}

}  // namespace velmor::x11
