#pragma once

#include <string_view>

namespace velmor {

// Posted on the main queue for every training drawing. Rejected carries the letter (string);
// progress a dictionary {"letter": string, "remaining": integer}.
inline constexpr std::string_view kStudioRejectedNotification = "VLStudioRejected";
inline constexpr std::string_view kStudioProgressNotification = "VLStudioProgress";

}  // namespace velmor
