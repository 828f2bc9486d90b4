#include "platform/x11/gtk_ui.h"

#include <utility>

#include "platform/x11/alert_dialog.h"
#include "platform/x11/desktop_notification.h"
#include "platform/x11/dialog_presenting.h"
#include "platform/x11/open_panel_dialog.h"
#include "platform/x11/resource_file.h"
#include "platform/x11/terminal_ui.h"
#include "platform/x11/tray_host.h"

namespace velmor::x11 {

namespace {

// Timers that pause during modals wait while a dialog runs its nested loop.
class ModalScope {
public:
    explicit ModalScope(GlibScheduler& scheduler) : scheduler_(scheduler) {
        scheduler_.beginModal();
    }
    ~ModalScope() { scheduler_.endModal(); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    GlibScheduler& scheduler_;
};

}  // namespace

GtkUi::GtkUi(GlibScheduler& scheduler, std::ostream& notes,
             std::function<void(const std::string&)> noteForLog, std::function<void()> terminate)
    : scheduler_(scheduler),
      notes_(notes),
      noteForLog_(std::move(noteForLog)),
      terminate_(std::move(terminate)) {
    scheduler_.setModalEnder(endOpenDialogs);
}

GtkUi::~GtkUi() {
    scheduler_.setModalEnder({});
}

void GtkUi::showStatusItem(const platform::StatusItem& item,
                           const std::vector<platform::MenuItem>& menu) {
    indicator_.reset();
    menu_.show(menu);
    if (trayReachable()) {
        indicator_.emplace(item, menu_.widget());
    }
}

bool GtkUi::trayReachable() {
    const TrayHost host = findTrayHost();
    if (host != TrayHost::present && !toldNoTray_) {
        toldNoTray_ = true;
        notes_ << (host == TrayHost::noSessionBus
                       ? "velmor: no session bus; the menu is not shown, gestures work\n"
                       : "velmor: no tray (status-notifier watcher) on the session bus; the menu "
                         "shows once one starts, gestures work\n");
        notes_.flush();
        if (host == TrayHost::absent) {
            notifyDesktop(notice_text::kNoTraySummary, notice_text::kNoTrayBody);
        }
        if (noteForLog_) {
            noteForLog_(host == TrayHost::noSessionBus ? "x11=no_tray reason=no_session_bus"
                                                       : "x11=no_tray reason=no_watcher");
        }
    }
    return host != TrayHost::noSessionBus;
}

void GtkUi::menuItemChanged(const platform::MenuItem& item) {
    menu_.itemChanged(item);
}

void GtkUi::submenuChanged(const platform::MenuItem& parent) {
    menu_.submenuChanged(parent);
}

platform::AlertResponse GtkUi::runModalAlert(const platform::Alert& alert) {
    if (scheduler_.quitting()) {
        return {unattendedButton(alert), {}};  // on its way out the program asks nobody
    }
    const ModalScope modal(scheduler_);
    return runAlertDialog(alert, takeFocusOnce());
}

std::optional<std::string> GtkUi::runOpenPanel(const platform::OpenPanel& panel) {
    if (scheduler_.quitting()) {
        return std::nullopt;
    }
    const ModalScope modal(scheduler_);
    return runOpenPanelDialog(panel, takeFocusOnce());
}

bool GtkUi::takeFocusOnce() {
    return std::exchange(takeFocus_, false);
}

void GtkUi::setActivationPolicy(platform::ActivationPolicy) {}

void GtkUi::activateIgnoringOtherApps() {
    takeFocus_ = true;
}

void GtkUi::terminateApplication() {
    if (terminate_) {
        terminate_();
    }
}

std::optional<std::string> GtkUi::resourcePath(const std::string& name, const std::string& type) {
    return resourceFile(name, type);
}

}  // namespace velmor::x11
