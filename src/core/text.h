#pragma once

#include <string>
#include <string_view>

namespace velmor {

bool isValidUtf8(std::string_view bytes);

// Trims the white-space-and-line-break set Foundation trims from both ends: the Unicode
// space separators, line and paragraph separators, U+0009 to U+000D and U+0085.
std::string trimmedOfWhitespaceAndNewlines(std::string_view utf8);

// A to Z made a to z; every other byte, UTF-8 included, stays as it is.
std::string asciiLowercased(std::string_view text);

}  // namespace velmor
