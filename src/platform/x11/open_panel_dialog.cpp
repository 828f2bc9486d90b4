#include "platform/x11/open_panel_dialog.h"

#include <gio/gdesktopappinfo.h>
#include <gtk/gtk.h>

#include <algorithm>

#include "platform/x11/dialog_presenting.h"
#include "platform/x11/g_object_ptr.h"
#include "platform/x11/owned_widget.h"

namespace velmor::x11 {

namespace {

// Any type: with every application shown, the type only picks the heading's defaults.
constexpr const char* kAnyContentType = "application/octet-stream";

bool choosesApplications(const platform::OpenPanel& panel) {
    return std::ranges::find(panel.allowedFileTypes, "desktop") != panel.allowedFileTypes.end();
}

const char* acceptLabel(const platform::OpenPanel& panel) {
    return panel.prompt.empty() ? "_Open" : panel.prompt.c_str();
}

void addTypeFilter(GtkFileChooser* chooser, const std::vector<std::string>& types) {
    if (types.empty()) {
        return;
    }
    GtkFileFilter* filter = gtk_file_filter_new();
    for (const std::string& type : types) {
        gtk_file_filter_add_pattern(filter, ("*." + type).c_str());
    }
    gtk_file_chooser_set_filter(chooser, filter);
}

GtkWidget* newFileChooser(const platform::OpenPanel& panel) {
    const bool foldersOnly = panel.canChooseDirectories && !panel.canChooseFiles;
    GtkWidget* dialog = gtk_file_chooser_dialog_new(
        panel.title.c_str(), nullptr,
        foldersOnly ? GTK_FILE_CHOOSER_ACTION_SELECT_FOLDER : GTK_FILE_CHOOSER_ACTION_OPEN,
        "_Cancel", GTK_RESPONSE_CANCEL, acceptLabel(panel), GTK_RESPONSE_ACCEPT, nullptr);
    GtkFileChooser* chooser = GTK_FILE_CHOOSER(dialog);
    gtk_file_chooser_set_create_folders(chooser, panel.canCreateDirectories);
    gtk_file_chooser_set_local_only(chooser, TRUE);
    if (panel.directory) {
        gtk_file_chooser_set_current_folder(chooser, panel.directory->c_str());
    }
    if (!foldersOnly) {
        addTypeFilter(chooser, panel.allowedFileTypes);
    }
    gtk_dialog_set_default_response(GTK_DIALOG(dialog), GTK_RESPONSE_ACCEPT);
    return dialog;
}

std::optional<std::string> chosenFile(GtkFileChooser* chooser) {
    gchar* name = gtk_file_chooser_get_filename(chooser);
    if (name == nullptr) {
        return std::nullopt;
    }
    std::string path(name);
    g_free(name);
    return path;
}

GtkWidget* newApplicationChooser(const platform::OpenPanel& panel) {
    GtkWidget* dialog =
        gtk_app_chooser_dialog_new_for_content_type(nullptr, GTK_DIALOG_MODAL, kAnyContentType);
    gtk_window_set_title(GTK_WINDOW(dialog), panel.title.c_str());
    if (!panel.prompt.empty()) {
        gtk_app_chooser_dialog_set_heading(GTK_APP_CHOOSER_DIALOG(dialog), panel.prompt.c_str());
    }
    GtkAppChooserWidget* list =
        GTK_APP_CHOOSER_WIDGET(gtk_app_chooser_dialog_get_widget(GTK_APP_CHOOSER_DIALOG(dialog)));
    gtk_app_chooser_widget_set_show_all(list, TRUE);
    gtk_app_chooser_widget_set_show_default(list, FALSE);
    return dialog;
}

std::optional<std::string> chosenApplication(GtkAppChooser* chooser) {
    const GObjectPtr<GAppInfo> application(gtk_app_chooser_get_app_info(chooser));
    if (!application || !G_IS_DESKTOP_APP_INFO(application.get())) {
        return std::nullopt;
    }
    const char* file = g_desktop_app_info_get_filename(G_DESKTOP_APP_INFO(application.get()));
    return file == nullptr ? std::nullopt : std::optional<std::string>(file);
}

}  // namespace

std::optional<std::string> runOpenPanelDialog(const platform::OpenPanel& panel, bool takeFocus) {
    const bool applications = choosesApplications(panel);
    const OwnedWindow window(applications ? newApplicationChooser(panel) : newFileChooser(panel));
    presentDialog(GTK_WINDOW(window.get()), takeFocus);
    const int response = gtk_dialog_run(GTK_DIALOG(window.get()));
    const int accepted = applications ? GTK_RESPONSE_OK : GTK_RESPONSE_ACCEPT;
    if (response != accepted) {
        return std::nullopt;
    }
    return applications ? chosenApplication(GTK_APP_CHOOSER(window.get()))
                        : chosenFile(GTK_FILE_CHOOSER(window.get()));
}

}  // namespace velmor::x11
