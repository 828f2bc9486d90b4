#pragma once

#include <cstdint>
#include <optional>

#include "platform/event.h"

namespace velmor::x11 {

// The X server stamps events in milliseconds of 32 bits, which wrap after 49.7 days. This
// turns them into the input clock's nanoseconds, counting the wraps, so that time never
// runs backwards across one. Events arrive nearly in order: a stamp more than half the
// range behind the newest one is taken as the next wrap, one that far ahead as the last.
class ServerTimeline {
public:
    // Never 0.
    platform::InputTime stamp(std::uint32_t serverMilliseconds);
    // The newest stamp so far; 0 before the first.
    platform::InputTime newest() const { return newest_; }

private:
    std::uint64_t wraps_ = 0;
    std::optional<std::uint32_t> newestMilliseconds_;
    platform::InputTime newest_ = 0;
};

}  // namespace velmor::x11
