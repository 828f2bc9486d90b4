#pragma once

#include <string>

namespace velmor::x11 {

// Initialises GTK on the calling thread, which becomes its main thread, for the display
// (empty: $DISPLAY); whether GTK can show windows there. Later calls answer as the first did.
bool startGtk(const std::string& displayName);

}  // namespace velmor::x11
