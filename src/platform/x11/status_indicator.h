#pragma once

#include <gtk/gtk.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/ui.h"
#include "platform/x11/about_to_show_watch.h"
#include "platform/x11/g_object_ptr.h"
#include "platform/x11/menu_opening.h"

namespace velmor::x11 {

// The status item in the desktop's tray: a status-notifier item whose menu is exported over
// D-Bus, or an icon in an XEmbed tray where no watcher exists. The program learns that the
// menu opens from the host's AboutToShow or "opened" event on the exported root, or from the
// menu being mapped where GTK pops it up itself ("show" fires once, when the menu is handed
// over, not per opening). Main thread only; it stays where it was made.
class StatusIndicator {
public:
    StatusIndicator(const platform::StatusItem& item, GtkMenu* menu);
    ~StatusIndicator();
    StatusIndicator(const StatusIndicator&) = delete;
    StatusIndicator& operator=(const StatusIndicator&) = delete;

private:
    static void menuMapped(GtkWidget*, gpointer self);
    void watchExportedMenu();

    std::shared_ptr<MenuOpening> opening_;
    GObjectPtr<GtkMenu> menu_;
    gulong menuShown_ = 0;
    GObjectPtr<GObject> indicator_;
    GObjectPtr<GObject> exportedRoot_;
    gulong rootEvent_ = 0;
    std::optional<AboutToShowWatch> aboutToShow_;
};

}  // namespace velmor::x11
