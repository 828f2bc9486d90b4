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
constexpr const char* kSymbolicIconName = "velmor-symbolic";
constexpr const char* kFallbackIconName = "input-mouse-symbolic";

// An icon name with the folder to look for it in first.
struct ImageIcon {
    std::string folder;
    std::string name;
};

// The symbolic icon beside the image, which the panel draws in its own text colour, light
// on a dark panel and dark on a light one; else the image itself, when GDK can read it. The
// image is the Mac's black template, which a dark panel would swallow.
std::optional<ImageIcon> loadableIcon(const std::optional<std::string>& imagePath) {
    if (!imagePath) {
        return std::nullopt;
    }
    const std::filesystem::path path(*imagePath);
    std::error_code error;
    const std::filesystem::path symbolic =
        path.parent_path() / (std::string(kSymbolicIconName) + ".svg");
    if (std::filesystem::is_regular_file(symbolic, error)) {
        return ImageIcon{path.parent_path().string(), kSymbolicIconName};
    }
    if (gdk_pixbuf_get_file_info(imagePath->c_str(), nullptr, nullptr) == nullptr) {
        return std::nullopt;
    }
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
    : opening_(std::make_shared<MenuOpening>(item.menuWillOpen)),
      menu_(GObjectPtr<GtkMenu>(GTK_MENU(g_object_ref(menu)))),
      indicator_(G_OBJECT(newIndicator(item))) {
    menuShown_ = g_signal_connect(menu, "map", G_CALLBACK(&StatusIndicator::menuMapped), this);
    AppIndicator* indicator = APP_INDICATOR(indicator_.get());
    app_indicator_set_menu(indicator, menu);
    app_indicator_set_status(indicator, APP_INDICATOR_STATUS_ACTIVE);
    watchExportedMenu();
}

StatusIndicator::~StatusIndicator() {
    g_signal_handler_disconnect(menu_.get(), menuShown_);
    if (exportedRoot_) {
        g_signal_handler_disconnect(exportedRoot_.get(), rootEvent_);
    }
}

void StatusIndicator::menuMapped(GtkWidget*, gpointer data) {
    const auto& self = *static_cast<StatusIndicator*>(data);
    gboolean connected = FALSE;
    g_object_get(self.indicator_.get(), "connected", &connected, nullptr);
    // Mapped while a host shows the exported copy: GTK's own bookkeeping, not an opening.
    if (!connected) {
        self.opening_->tell();
    }
}

void StatusIndicator::watchExportedMenu() {
    DbusmenuServer* server = nullptr;
    g_object_get(indicator_.get(), "dbus-menu-server", &server, nullptr);
    if (server == nullptr) {
        return;
    }
    DbusmenuMenuitem* root = nullptr;
    gchar* path = nullptr;
    g_object_get(server, DBUSMENU_SERVER_PROP_ROOT_NODE, &root, DBUSMENU_SERVER_PROP_DBUS_OBJECT,
                 &path, nullptr);
    g_object_unref(server);
    if (path != nullptr) {
        aboutToShow_.emplace(path, opening_);
        g_free(path);
    }
    if (root == nullptr) {
        return;
    }
    exportedRoot_.reset(G_OBJECT(root));
    rootEvent_ = g_signal_connect_swapped(
        root, DBUSMENU_MENUITEM_SIGNAL_EVENT,
        G_CALLBACK(+[](MenuOpening* opening, const char* name) -> gboolean {
            if (g_strcmp0(name, "opened") == 0) {
                opening->opened();
            }
            return FALSE;
        }),
        opening_.get());
}

}  // namespace velmor::x11
