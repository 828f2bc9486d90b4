#include "input/volume_wheel.h"

namespace velmor {

namespace {

constexpr const char* kRaiseVolume = "set volume output volume (v + 5)";
constexpr const char* kLowerVolume = "set volume output volume (v - 5)";

void runVolumeStep(platform::Platform& platform, bool louder) {
    platform::ProcessRequest request;
    request.path = "/usr/bin/osascript";
    request.arguments = {"-e", "set v to output volume of (get volume settings)", "-e",
                         louder ? kRaiseVolume : kLowerVolume};
    request.pipeStandardOutput = true;
    request.pipeStandardError = true;
    // A step whose interpreter cannot start is lost; the next step tries again.
    (void)platform.processes().runAndWait(request);
}

}  // namespace

void VLVolumeWheelAdjust(platform::Platform& platform, bool louder) {
    platform.scheduler().asyncSerial(kVolumeWheelQueueLabel,
                                     [&platform, louder] { runVolumeStep(platform, louder); });
}

}  // namespace velmor
