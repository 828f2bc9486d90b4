#include "platform/x11/server_timeline.h"

namespace velmor::x11 {

namespace {
constexpr std::uint32_t kHalfRange = 0x80000000u;
constexpr std::uint64_t kRange = 0x100000000ULL;
}  // namespace

platform::InputTime ServerTimeline::stamp(std::uint32_t serverMilliseconds) {
    std::uint64_t wraps = wraps_;
    if (newestMilliseconds_) {
        const std::uint32_t newest = *newestMilliseconds_;
        if (serverMilliseconds < newest && newest - serverMilliseconds > kHalfRange) {
            wraps = ++wraps_;
            newestMilliseconds_ = serverMilliseconds;
        } else if (serverMilliseconds > newest && serverMilliseconds - newest > kHalfRange) {
            wraps = wraps_ == 0 ? 0 : wraps_ - 1;  // a straggler from before the last wrap
        } else if (serverMilliseconds > newest) {
            newestMilliseconds_ = serverMilliseconds;
        }
    } else {
        newestMilliseconds_ = serverMilliseconds;
    }
    // One millisecond on, so that the server's first instant is not read as "never".
    const std::uint64_t milliseconds = wraps * kRange + serverMilliseconds + 1;
    const platform::InputTime time = milliseconds * platform::kNanosecondsPerMillisecond;
    if (time > newest_) {
        newest_ = time;
    }
    return time;
}

}  // namespace velmor::x11
