#pragma once

#include "platform/platform.h"

namespace velmor {

inline constexpr const char* kVolumeWheelQueueLabel = "com.brisvane.velmor.volume-wheel";
inline constexpr const char* kVolumeWheelReverseDirectionKey = "VLVolumeWheelReverseDirection";

// Queues one output-volume step of 5 on the volume queue and returns at once.
void VLVolumeWheelAdjust(platform::Platform& platform, bool louder);

}  // namespace velmor
