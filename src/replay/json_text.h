#pragma once

#include <string>
#include <string_view>

#include "core/value.h"

namespace velmor {

// How control characters are escaped: always \u00XX, or line breaks and tabs as \n and \t
// for people to read.
enum class ControlEscapes { unicode, readable };

// A JSON string: quotes, backslashes and control characters escaped, UTF-8 passed through;
// bytes that are not UTF-8 become U+FFFD.
void appendJsonString(std::string& out, std::string_view text,
                      ControlEscapes escapes = ControlEscapes::unicode);

// A property-list value as JSON: numbers as numbers (a real that is not finite as null),
// booleans as true/false, dates as seconds since 2001, data as a hex string.
void appendJsonValue(std::string& out, const Value& value,
                     ControlEscapes escapes = ControlEscapes::unicode);

}  // namespace velmor
