#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmor {

// The date text of XML property lists, "2018-06-29T21:24:09Z", in UTC. Fractions of a
// second are dropped (rounded down), as Foundation's writer drops them.
std::string xmlDateText(double secondsSince2001);

// Reads "YYYY-MM-DDTHH:MM:SSZ" back to seconds since 2001; nothing for any other shape.
std::optional<double> parseXmlDateText(std::string_view text);

}  // namespace velmor
