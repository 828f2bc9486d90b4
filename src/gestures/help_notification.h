#pragma once

#include <string_view>

namespace velmor {

// Posted on the main queue by the head shake; the application delegate shows the help.
inline constexpr std::string_view kShowHelpNotification = "VLShowHelp";

}  // namespace velmor
