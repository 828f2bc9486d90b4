#include "platform/x11/output_volume.h"

#include <cmath>
#include <string>

namespace velmor::x11 {
namespace {

constexpr const char* kClient = "pactl";
constexpr const char* kDefaultSink = "@DEFAULT_SINK@";
constexpr int kSteps = 16;
constexpr int kFull = 100;

int stepPercent(int step) {
    return static_cast<int>(std::lround(static_cast<double>(step) * kFull / kSteps));
}

}  // namespace

std::optional<int> firstChannelPercent(std::string_view answer) {
    const std::size_t sign = answer.find('%');
    if (sign == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t start = sign;
    while (start > 0 && answer[start - 1] >= '0' && answer[start - 1] <= '9') {
        --start;
    }
    if (start == sign || sign - start > 4) {
        return std::nullopt;
    }
    return std::stoi(std::string(answer.substr(start, sign - start)));
}

int steppedPercent(int percent, bool louder) {
    if (louder) {
        for (int step = 0; step <= kSteps; ++step) {
            if (stepPercent(step) > percent) {
                return stepPercent(step);
            }
        }
        return percent;
    }
    for (int step = kSteps; step >= 0; --step) {
        if (stepPercent(step) < percent) {
            return stepPercent(step);
        }
    }
    return 0;
}

void OutputVolume::step(bool louder) {
    const std::optional<int> percent = currentPercent();
    if (!percent) {
        return;
    }
    const int stepped = steppedPercent(*percent, louder);
    if (stepped != *percent) {
        const std::string volume = std::to_string(stepped) + "%";
        if (!run({"set-sink-volume", kDefaultSink, volume.c_str()})) {
            return;
        }
    }
    if (louder) {
        run({"set-sink-mute", kDefaultSink, "0"});
    }
}

std::optional<int> OutputVolume::currentPercent() {
    platform::ProcessRequest request{kClient, {"get-sink-volume", kDefaultSink}, true, true};
    const platform::ProcessOutcome outcome = processes_.runAndWait(request);
    if (!outcome.launched || outcome.exitStatus != 0) {
        return std::nullopt;
    }
    return firstChannelPercent(outcome.standardOutput);
}

bool OutputVolume::run(std::initializer_list<const char*> arguments) {
    platform::ProcessRequest request{kClient, {arguments.begin(), arguments.end()}, true, true};
    const platform::ProcessOutcome outcome = processes_.runAndWait(request);
    return outcome.launched && outcome.exitStatus == 0;
}

}  // namespace velmor::x11
