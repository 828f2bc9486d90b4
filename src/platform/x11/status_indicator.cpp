#include "platform/x11/status_indicator.h"

#include <libayatana-appindicator/app-indicator.h>
#include <libdbusmenu-glib/menuitem.h>
#include <libdbusmenu-glib/server.h>

#include <filesystem>
#include <optional>
#include <string>

namespace velmor::x11 {

namespace {

constexpr const char* kIndicatorId = "velmor";
constexpr const char* kFallbackIconName = "input-mouse-symbolic";

// The image's folder and name as an icon theme path and icon name, when GDK can read it.
struct ImageIcon {
    std::string folder;
    std::string name;
};

std::optional<ImageIcon> loadableIcon(const std::optional<std::string>& imagePath) {
    if (!imagePath || gdk_pixbuf_get_file_info(imagePath->c_str(), nullptr, nullptr) == nullptr) {
        return std::nullopt;
    }
    const std::filesystem::path path(*imagePath);
    return ImageIcon{path.parent_path().string(), path.stem().string()};
}

AppIndicator* newIndicator(const platform::StatusItem& item) {
    const std::optional<ImageIcon> icon = loadableIcon(item.imagePath);
    AppIndicator* indicator =
        icon ? app_indicator_new_with_path(kIndicatorId, icon->name.c_str(),
                                           APP_INDICATOR_CATEGORY_APPLICATION_STATUS,
                                           icon->folder.c_str())
             : app_indicator_new(kIndicatorId, kFallbackIconName,
                                 APP_INDICATOR_CATEGORY_APPLICATION_STATUS);
    if (!icon && !item.title.empty()) {
        app_indicator_set_label(indicator, item.title.c_str(), item.title.c_str());
    }
    const std::string& title = item.toolTip.empty() ? item.title : item.toolTip;
    app_indicator_set_title(indicator, title.c_str());
    return indicator;
}

}  // namespace

StatusIndicator::StatusIndicator(const platform::StatusItem& item, GtkMenu* menu)
    : menuWillOpen_(item.menuWillOpen),
      menu_(GObjectPtr<GtkMenu>(GTK_MENU(g_object_ref(menu)))),
      indicator_(G_OBJECT(newIndicator(item))) {
    menuShown_ = g_signal_connect_swapped(
        menu, "show", G_CALLBACK(+[](StatusIndicator* self) { self->menuOpens(); }), this);
    AppIndicator* indicator = APP_INDICATOR(indicator_.get());
    app_indicator_set_menu(indicator, menu);
    app_indicator_set_status(indicator, APP_INDICATOR_STATUS_ACTIVE);
    watchExportedRoot();
}

StatusIndicator::~StatusIndicator() {
    g_signal_handler_disconnect(menu_.get(), menuShown_);
    if (exportedRoot_ && aboutToShow_ != 0) {
        g_signal_handler_disconnect(exportedRoot_.get(), aboutToShow_);
    }
}

void StatusIndicator::watchExportedRoot() {
    DbusmenuServer* server = nullptr;
    g_object_get(indicator_.get(), "dbus-menu-server", &server, nullptr);
    if (server == nullptr) {
        return;
    }
    DbusmenuMenuitem* root = nullptr;
    g_object_get(server, DBUSMENU_SERVER_PROP_ROOT_NODE, &root, nullptr);
    g_object_unref(server);
    if (root == nullptr) {
        return;
    }
    exportedRoot_.reset(G_OBJECT(root));
    aboutToShow_ = g_signal_connect_swapped(root, DBUSMENU_MENUITEM_SIGNAL_ABOUT_TO_SHOW,
                                            G_CALLBACK(+[](StatusIndicator* self) -> gboolean {
                                                self->menuOpens();
                                                return FALSE;
                                            }),
                                            this);
}

void StatusIndicator::menuOpens() const {
    if (menuWillOpen_) {
        menuWillOpen_();
    }
}

}  // namespace velmor::x11
