#include "platform/x11/dialog_presenting.h"

#include <gdk/gdkx.h>

namespace velmor::x11 {

void presentDialog(GtkWindow* dialog, bool takeFocus) {
    gtk_window_set_keep_above(dialog, TRUE);
    gtk_window_set_position(dialog, GTK_WIN_POS_CENTER);
    gtk_widget_realize(GTK_WIDGET(dialog));
    GdkWindow* window = gtk_widget_get_window(GTK_WIDGET(dialog));
    if (takeFocus && window != nullptr && GDK_IS_X11_WINDOW(window)) {
        gtk_window_present_with_time(dialog, gdk_x11_get_server_time(window));
        return;
    }
    gtk_window_present(dialog);
}

}  // namespace velmor::x11
