#pragma once

#include <string_view>

#include "core/value.h"

namespace velmor {

// Whether a value may be shared as a letter's value of this kind. The same rule holds for a
// local value before it is published and for a remote value before it is believed.
//   "action":  a string shorter than 8192 UTF-16 code units;
//   "samples": 3 samples of 48 points, each point two finite numbers.
bool isValidSyncValue(const Value& value, std::string_view kind);

}  // namespace velmor
