#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/value.h"

namespace velmor {

// Parses an XML or binary property list. Nothing when the bytes are not a property list.
// Numbers are read in the C locale whatever the user's locale is.
std::optional<Value> parsePropertyList(std::string_view bytes);

// The XML form Foundation's writer produces: tab indentation, dictionary keys sorted,
// reals as %.17g with zero as 0.0, <dict/> and <array/> for empty containers.
std::string serializeXmlPropertyList(const Value& value);

}  // namespace velmor
