#pragma once

#include <string>

namespace velmor {

// The default date description used in every log line, in UTC:
// "2025-01-31 09:15:02 +0000". Fractions of a second are dropped.
std::string dateDescription(double secondsSince1970);

inline constexpr double kSecondsFrom1970To2001 = 978307200.0;

}  // namespace velmor
