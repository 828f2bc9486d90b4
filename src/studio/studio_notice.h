#pragma once

#include <string_view>

#include "platform/platform.h"

namespace velmor {

// A modal notice with one button "확인", in front of all other applications.
void VLShowStudioNotice(platform::Platform& platform, std::string_view title,
                        std::string_view detail);

}  // namespace velmor
