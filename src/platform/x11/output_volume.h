#pragma once

#include <initializer_list>
#include <optional>
#include <string_view>

#include "platform/processes.h"

namespace velmor::x11 {

// The default sink's volume through the sound server's command-line client, in the sixteen
// steps of a volume key. Waits for the client: background queues only.
class OutputVolume {
public:
    explicit OutputVolume(platform::Processes& processes) : processes_(processes) {}

    // One step up (and unmuted, as a volume key does) or down; lost when the client is
    // missing, the server does not answer or its answer cannot be read.
    void step(bool louder);

private:
    std::optional<int> currentPercent();
    bool run(std::initializer_list<const char*> arguments);

    platform::Processes& processes_;
};

// The first channel's percentage in what `get-sink-volume` prints.
std::optional<int> firstChannelPercent(std::string_view answer);
// The next step of the sixteen above or below `percent`, within 0..100; a louder step never
// lowers a volume raised above 100 by other means.
int steppedPercent(int percent, bool louder);

}  // namespace velmor::x11
