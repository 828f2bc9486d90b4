#pragma once

#include <gtk/gtk.h>

namespace velmor::x11 {

// Keeps a dialog above other windows and brings it forward. `takeFocus` (after the program
// asked to come to the front) stamps the request with the X server's time, so a window
// manager that prevents focus stealing still gives the dialog the keyboard.
void presentDialog(GtkWindow* dialog, bool takeFocus);

// The answer a dialog gives when the program ends it unasked; without one, it is answered as
// its close button answers it.
void setUnattendedResponse(GtkDialog* dialog, int response);
// Ends every open dialog with its unattended answer, so that their nested loops return.
void endOpenDialogs();

}  // namespace velmor::x11
