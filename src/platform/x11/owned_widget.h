#pragma once

#include <gtk/gtk.h>

#include <memory>

namespace velmor::x11 {

// A toplevel window of the program's own (a dialog): GTK keeps toplevels alive until they
// are destroyed, so dropping it destroys the window.
struct WidgetDestroyer {
    void operator()(GtkWidget* widget) const { gtk_widget_destroy(widget); }
};
using OwnedWindow = std::unique_ptr<GtkWidget, WidgetDestroyer>;

}  // namespace velmor::x11
