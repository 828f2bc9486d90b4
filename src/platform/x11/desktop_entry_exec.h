#pragma once

#include <string>
#include <string_view>

namespace velmor::x11 {

// A program path as the value of a desktop entry's Exec key: one quoted argument with its
// quote, backtick, dollar and backslash escaped, percent signs doubled, and then the string
// escapes every desktop entry value takes (which double each backslash again).
std::string execValue(std::string_view program);

}  // namespace velmor::x11
