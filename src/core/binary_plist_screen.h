#pragma once

#include <string_view>

namespace velmor {

// The property-list library ends the whole program (a failed assertion) when a binary
// property list has a dictionary key with a NUL character in it. Event files come from other
// machines and settings files from anywhere, so every input passes this screen before it
// reaches the parser: false for a binary property list with a NUL in any string, one whose
// object table cannot be walked, or one whose objects would cost more to build than its
// size warrants (binaryPlistGraphIsBounded). Anything that is not a binary property list
// passes.
bool passesBinaryPlistScreen(std::string_view bytes);

}  // namespace velmor
