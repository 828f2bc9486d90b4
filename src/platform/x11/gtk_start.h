#pragma once

#include <string>

namespace velmor::x11 {

// Initialises GTK on the calling thread, which becomes its main thread, for the display
// (empty: $DISPLAY); whether GTK can show windows there. Later calls answer as the first did.
bool startGtk(const std::string& displayName);
// Whether GTK runs and the caller is the thread that started it, the only one that may use it.
bool onGtkThread();

}  // namespace velmor::x11
