#pragma once

#include <gtk/gtk.h>

namespace velmor::x11 {

// Keeps a dialog above other windows and brings it forward. `takeFocus` (after the program
// asked to come to the front) stamps the request with the X server's time, so a window
// manager that prevents focus stealing still gives the dialog the keyboard.
void presentDialog(GtkWindow* dialog, bool takeFocus);

}  // namespace velmor::x11
