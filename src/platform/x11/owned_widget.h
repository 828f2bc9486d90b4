#pragma once

#include <gtk/gtk.h>

#include <memory>

namespace velmor::x11 {

// A toplevel window of the program's own (a dialog): GTK keeps toplevels alive until they
// are destroyed, so dropping it destroys the window. The request is sent at once: the caller
// may work a while before the main loop turns, and the answered window must not linger.
struct WidgetDestroyer {
    void operator()(GtkWidget* widget) const {
        gtk_widget_destroy(widget);
        gdk_display_flush(gdk_display_get_default());
    }
};
using OwnedWindow = std::unique_ptr<GtkWidget, WidgetDestroyer>;

}  // namespace velmor::x11
