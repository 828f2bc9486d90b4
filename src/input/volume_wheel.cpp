#include "input/volume_wheel.h"

namespace velmor {

void VLVolumeWheelAdjust(platform::Platform& platform, bool louder) {
    platform.scheduler().asyncSerial(kVolumeWheelQueueLabel, [&platform, louder] {
        platform.systemActions().stepOutputVolume(louder);
    });
}

}  // namespace velmor
