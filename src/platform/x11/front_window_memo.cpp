#include "platform/x11/front_window_memo.h"

namespace velmor::x11 {

void FrontWindowMemo::notice(const XEvent& event, Window root, Atom activeWindow, Atom clientList) {
    if (event.type != PropertyNotify || event.xproperty.window != root) {
        return;
    }
    // A window that closes leaves the list even where a manager keeps it named active.
    if (event.xproperty.atom == activeWindow || event.xproperty.atom == clientList) {
        remembered_.reset();
    }
}

}  // namespace velmor::x11
