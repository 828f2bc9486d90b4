#pragma once

#include <gio/gio.h>

#include <memory>
#include <string>

#include "platform/x11/g_object_ptr.h"
#include "platform/x11/menu_opening.h"

namespace velmor::x11 {

// Sees a tray host's AboutToShow for the exported menu's root as it arrives on the session
// bus and tells `opening` on the main context ahead of the call's own dispatch, so the
// program updates the menu before the host reads it. The exporting library answers the call
// without telling anyone. Made and dropped on the main thread.
class AboutToShowWatch {
public:
    AboutToShowWatch(const std::string& menuPath, std::weak_ptr<MenuOpening> opening);
    ~AboutToShowWatch();
    AboutToShowWatch(const AboutToShowWatch&) = delete;
    AboutToShowWatch& operator=(const AboutToShowWatch&) = delete;

private:
    GObjectPtr<GDBusConnection> bus_;
    guint filter_ = 0;
};

}  // namespace velmor::x11
