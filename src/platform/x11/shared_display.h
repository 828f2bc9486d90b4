#pragma once

#include <mutex>
#include <optional>
#include <string>

#include "platform/x11/display.h"
#include "platform/x11/ewmh.h"
#include "platform/x11/front_window_memo.h"

namespace velmor::x11 {

// A connection of its own that any thread may use, one at a time. Without a server every
// question gets its fallback.
class SharedDisplay {
public:
    // The server named by `name`, or by $DISPLAY when it is empty.
    explicit SharedDisplay(const std::string& name);

    bool connected() const { return display_.has_value(); }

    template <typename Result, typename Ask>
    Result ask(Result fallback, Ask ask) {
        const std::lock_guard lock(mutex_);
        if (!display_) {
            return fallback;
        }
        catchUp();
        Ewmh ewmh(*display_);
        return ask(*display_, ewmh);
    }

    // The active window and its owner; nothing when no window is active or it names no process.
    std::optional<FrontWindow> frontWindow();

private:
    // Only asks, so only this reading keeps the server's notices from piling up.
    void catchUp();

    std::mutex mutex_;
    std::optional<Display> display_;
    FrontWindowMemo front_;  // under the mutex
};

}  // namespace velmor::x11
