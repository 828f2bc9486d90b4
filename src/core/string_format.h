#pragma once

#include <string>

namespace velmor {

// printf-style formatting into a string, always in the C locale's number format.
std::string formatString(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace velmor
