#pragma once

#include <X11/Xlib.h>
#include <glib.h>

#include <functional>
#include <memory>

#include "platform/x11/connection_watch.h"

namespace velmor::x11 {

// Serves `display` from `context`: `dispatch` runs in the context's thread whenever events
// wait in the socket or in Xlib's queue. It must read what is pending (XPending, XNextEvent),
// or the loop wakes again at once.
std::unique_ptr<ConnectionWatchToken> watchConnectionIn(GMainContext* context, ::Display* display,
                                                        std::function<void()> dispatch);

}  // namespace velmor::x11
