#include "platform/x11/dialog_presenting.h"

#include <gdk/gdkx.h>

namespace velmor::x11 {

namespace {
constexpr const char* kUnattendedResponse = "velmor-unattended-response";
}

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

void setUnattendedResponse(GtkDialog* dialog, int response) {
    g_object_set_data(G_OBJECT(dialog), kUnattendedResponse, GINT_TO_POINTER(response));
}

void endOpenDialogs() {
    GList* windows = gtk_window_list_toplevels();
    for (GList* window = windows; window != nullptr; window = window->next) {
        if (!GTK_IS_DIALOG(window->data) || !gtk_widget_get_visible(GTK_WIDGET(window->data))) {
            continue;
        }
        gpointer unattended = g_object_get_data(G_OBJECT(window->data), kUnattendedResponse);
        gtk_dialog_response(GTK_DIALOG(window->data), unattended != nullptr
                                                          ? GPOINTER_TO_INT(unattended)
                                                          : GTK_RESPONSE_DELETE_EVENT);
    }
    g_list_free(windows);
}

}  // namespace velmor::x11
