#pragma once

#include <string>
#include <string_view>

namespace velmor::x11 {

// A program path as the value of a desktop entry's Exec key: one quoted argument with its
// quote, backtick, dollar and backslash escaped, percent signs doubled, and then the string
// escapes every desktop entry value takes (which double each backslash again).
std::string execValue(std::string_view program);
// A string as a desktop entry value (TryExec, Path): only the string escapes.
std::string stringValue(std::string_view value);

}  // namespace velmor::x11
