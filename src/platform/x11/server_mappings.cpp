#include "platform/x11/server_mappings.h"

#include <algorithm>
#include <vector>

namespace velmor::x11 {

namespace {
constexpr int kMaxButtons = 256;
}

ButtonMap readButtonMap(::Display* display) {
    std::vector<unsigned char> map(kMaxButtons, 0);
    const int count = XGetPointerMapping(display, map.data(), static_cast<int>(map.size()));
    map.resize(static_cast<std::size_t>(std::clamp(count, 0, kMaxButtons)));
    return ButtonMap(std::move(map));
}

void followMapping(const XEvent& event, ::Display* display, ButtonMap* buttons) {
    if (event.type != MappingNotify) {
        return;
    }
    XMappingEvent mapping = event.xmapping;
    XRefreshKeyboardMapping(&mapping);
    if (mapping.request == MappingPointer && buttons != nullptr) {
        *buttons = readButtonMap(display);
    }
}

bool catchUpWithMappings(::Display* display, ButtonMap* buttons,
                         const std::function<void(const XEvent&)>& others) {
    bool changed = false;
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MappingNotify) {
            followMapping(event, display, buttons);
            changed = true;
        } else if (others) {
            others(event);
        }
    }
    return changed;
}

}  // namespace velmor::x11
