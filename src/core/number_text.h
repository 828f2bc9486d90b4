#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmor {

// Reals as text in the C locale's form whatever the user's locale, without the floating-point
// character conversions that not every standard library has.

// The fewest significant digits that read back as the same value, in plain or exponent form,
// whichever is shorter (plain on a tie): 0.5, 818240400, 1e+22, 1.5e-07.
std::string shortestRealText(double value);

enum class RealNotation { fixed, general };  // general: an exponent may follow

struct RealPrefix {
    double value = 0.0;
    std::size_t length = 0;  // how many characters it took
};

// A decimal real at the start of the text: an optional minus sign, digits with an optional
// fraction and, in general notation, an optional exponent. No blanks, no plus sign, no
// hexadecimal, no infinity: only what the program writes. Nothing when the text does not
// start with one or its value lies beyond a double's range.
std::optional<RealPrefix> readRealPrefix(std::string_view text, RealNotation notation);

}  // namespace velmor
