#pragma once

#include <gtk/gtk.h>

#include <functional>

#include "platform/ui.h"
#include "platform/x11/g_object_ptr.h"

namespace velmor::x11 {

// The status item in the desktop's tray: a status-notifier item whose menu is exported over
// D-Bus, or an icon in an XEmbed tray where no watcher exists. The program learns that the
// menu opens from the host's AboutToShow on the exported root, or from the menu's own "show"
// where GTK pops it up itself. Main thread only; it stays where it was made.
class StatusIndicator {
public:
    StatusIndicator(const platform::StatusItem& item, GtkMenu* menu);
    ~StatusIndicator();
    StatusIndicator(const StatusIndicator&) = delete;
    StatusIndicator& operator=(const StatusIndicator&) = delete;

private:
    void watchExportedRoot();
    void menuOpens() const;

    std::function<void()> menuWillOpen_;
    GObjectPtr<GtkMenu> menu_;
    gulong menuShown_ = 0;
    GObjectPtr<GObject> indicator_;
    GObjectPtr<GObject> exportedRoot_;
    gulong aboutToShow_ = 0;
};

}  // namespace velmor::x11
