#pragma once

#include "platform/notification_center.h"
#include "platform/platform.h"
#include "studio/studio_host.h"

namespace velmor {

// "VLStudioProgress": one more drawing taken, or (remaining 0) the training stored.
void VLStudioProgress(platform::Platform& platform, VLStudioHost& host,
                      const platform::Notification& notification);

// "VLStudioRejected": a drawing refused; the stored samples stay.
void VLStudioRejected(VLStudioHost& host, const platform::Notification& notification);

}  // namespace velmor
