#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ui.h"
#include "platform/x11/glib_scheduler.h"
#include "platform/x11/status_indicator.h"
#include "platform/x11/tray_menu.h"

namespace velmor::x11 {

// The program's face on a GTK desktop: the status menu in the tray, alerts and open panels as
// modal dialogs whose nested loop keeps the event tap served while pausing timers wait. Made
// after startGtk succeeded, on the main thread, which it is used on only.
class GtkUi : public platform::Ui {
public:
    // `notes` hears once that no tray shows the menu; `terminate` ends the main loop.
    // `noteForLog` takes the gesture log's line about a missing tray.
    GtkUi(GlibScheduler& scheduler, std::ostream& notes,
          std::function<void(const std::string&)> noteForLog, std::function<void()> terminate);
    ~GtkUi() override;
    GtkUi(const GtkUi&) = delete;
    GtkUi& operator=(const GtkUi&) = delete;

    void showStatusItem(const platform::StatusItem& item,
                        const std::vector<platform::MenuItem>& menu) override;
    void menuItemChanged(const platform::MenuItem& item) override;
    void submenuChanged(const platform::MenuItem& parent) override;
    platform::AlertResponse runModalAlert(const platform::Alert& alert) override;
    std::optional<std::string> runOpenPanel(const platform::OpenPanel& panel) override;
    void setActivationPolicy(platform::ActivationPolicy policy) override;
    void activateIgnoringOtherApps() override;
    void terminateApplication() override;
    std::optional<std::string> resourcePath(const std::string& name,
                                            const std::string& type) override;

private:
    bool takeFocusOnce();
    bool trayReachable();

    GlibScheduler& scheduler_;
    std::ostream& notes_;
    std::function<void(const std::string&)> noteForLog_;
    std::function<void()> terminate_;
    TrayMenu menu_;
    std::optional<StatusIndicator> indicator_;
    bool takeFocus_ = false;
    bool toldNoTray_ = false;
};

}  // namespace velmor::x11
