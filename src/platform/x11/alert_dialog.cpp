#include "platform/x11/alert_dialog.h"

#include <gtk/gtk.h>

#include <algorithm>

#include "platform/x11/dialog_presenting.h"
#include "platform/x11/owned_widget.h"
#include "platform/x11/terminal_ui.h"

namespace velmor::x11 {

namespace {

constexpr int kFirstButton = 1000;

GtkWidget* newAlertWindow(const platform::Alert& alert) {
    GtkWidget* dialog = gtk_message_dialog_new(nullptr, GTK_DIALOG_MODAL, GTK_MESSAGE_OTHER,
                                               GTK_BUTTONS_NONE, "%s", alert.message.c_str());
    if (!alert.informative.empty()) {
        gtk_message_dialog_format_secondary_text(GTK_MESSAGE_DIALOG(dialog), "%s",
                                                 alert.informative.c_str());
    }
    gtk_window_set_title(GTK_WINDOW(dialog), alert.message.c_str());
    return dialog;
}

void addButtons(GtkDialog* dialog, const platform::Alert& alert) {
    if (alert.buttons.empty()) {
        gtk_dialog_add_button(dialog, "_OK", kFirstButton);
    }
    for (std::size_t i = 0; i < alert.buttons.size(); ++i) {
        GtkWidget* button = gtk_dialog_add_button(dialog, alert.buttons[i].c_str(),
                                                  kFirstButton + static_cast<int>(i));
        gtk_button_set_use_underline(GTK_BUTTON(button), FALSE);
    }
    gtk_dialog_set_default_response(dialog, kFirstButton);
}

GtkEntry* addField(GtkMessageDialog* dialog, const platform::AlertTextField& field) {
    GtkWidget* entry = gtk_entry_new();
    gtk_entry_set_placeholder_text(GTK_ENTRY(entry), field.placeholder.c_str());
    gtk_entry_set_text(GTK_ENTRY(entry), field.text.c_str());
    gtk_entry_set_activates_default(GTK_ENTRY(entry), TRUE);
    gtk_widget_set_size_request(entry, static_cast<int>(field.width), -1);
    gtk_container_add(GTK_CONTAINER(gtk_message_dialog_get_message_area(dialog)), entry);
    gtk_widget_show(entry);
    return GTK_ENTRY(entry);
}

bool isButton(const platform::Alert& alert, int response) {
    const int buttons = std::max<int>(1, static_cast<int>(alert.buttons.size()));
    return response >= kFirstButton && response < kFirstButton + buttons;
}

// Escape and the close button give the button that changes nothing; where every button does
// something they are ignored and the alert stays, as on a Mac.
int runUntilAnswered(GtkDialog* dialog, const platform::Alert& alert) {
    for (;;) {
        const int response = gtk_dialog_run(dialog);
        if (isButton(alert, response)) {
            return response;
        }
        if (const std::optional<int> closing = closingButton(alert)) {
            return *closing;
        }
        if (response == GTK_RESPONSE_NONE) {
            return kFirstButton;  // the dialog was destroyed under it
        }
    }
}

}  // namespace

platform::AlertResponse runAlertDialog(const platform::Alert& alert, bool takeFocus) {
    const OwnedWindow window(newAlertWindow(alert));
    GtkDialog* dialog = GTK_DIALOG(window.get());
    addButtons(dialog, alert);
    GtkEntry* field = alert.field ? addField(GTK_MESSAGE_DIALOG(dialog), *alert.field) : nullptr;
    gtk_widget_grab_focus(field != nullptr
                              ? GTK_WIDGET(field)
                              : gtk_dialog_get_widget_for_response(dialog, kFirstButton));
    setUnattendedResponse(dialog, unattendedButton(alert));
    presentDialog(GTK_WINDOW(dialog), takeFocus);
    platform::AlertResponse response{runUntilAnswered(dialog, alert), {}};
    if (field != nullptr) {
        response.fieldText = gtk_entry_get_text(field);
    }
    return response;
}

}  // namespace velmor::x11
