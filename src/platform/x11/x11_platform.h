#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "platform/file_user_defaults.h"
#include "platform/local_notification_center.h"
#include "platform/platform.h"
#include "platform/resource_folder.h"
#include "platform/x11/child_processes.h"
#include "platform/x11/glib_scheduler.h"
#include "platform/x11/x11_accessibility.h"
#include "platform/x11/x11_event_services.h"
#include "platform/x11/x11_system_actions.h"
#include "platform/x11/x11_windows.h"
#include "platform/x11/x11_workspace.h"
#include "platform/x11/xdg_login_item.h"
#include "platform/x11/xdg_paths.h"

namespace velmor::x11 {

struct X11Options {
    std::string displayName;            // empty: $DISPLAY
    std::filesystem::path programPath;  // what starts this program at login
    std::ostream* terminal = nullptr;   // notes for the user; alerts too without GTK
    // A line for the gesture log about input this desktop could not pass on.
    std::function<void(const std::string&)> noteForLog;
    // GTK dialogs and the tray menu where GTK can open the display. GTK binds itself to the
    // first display of the process for good, so a process that outlives its display (a test
    // of several desktops) keeps to the terminal.
    bool graphicalUi = true;
    // Whether the program is an installed one, which alone may start itself at login.
    bool installed = platform::runsInstalled();
};

// The program on an X11 desktop: a GLib main loop on the main thread, the input grab and
// XTest, the window manager's hints, desktop entries through GIO, files where XDG puts them,
// and GTK dialogs and a tray menu where GTK can open the display.
class X11Platform : public platform::Platform {
public:
    explicit X11Platform(X11Options options);
    ~X11Platform() override;
    X11Platform(const X11Platform&) = delete;
    X11Platform& operator=(const X11Platform&) = delete;

    platform::EventServices& events() override { return events_; }
    platform::Accessibility& accessibility() override { return accessibility_; }
    platform::Workspace& workspace() override { return workspace_; }
    platform::Ui& ui() override { return *ui_; }
    platform::Scheduler& scheduler() override { return scheduler_; }
    platform::Processes& processes() override { return processes_; }
    platform::UserDefaults& defaults() override { return defaults_; }
    platform::NotificationCenter& notifications() override { return notifications_; }
    platform::SystemActions& systemActions() override { return systemActions_; }
    platform::LoginItem& loginItem() override { return loginItem_; }
    platform::Paths& paths() override { return paths_; }
    std::filesystem::path homeDirectory() const override { return paths_.home(); }
    platform::DesktopConventions conventions() const override {
        return platform::DesktopConventions::freedesktop;
    }

    GlibScheduler& glibScheduler() { return scheduler_; }

private:
    std::unique_ptr<platform::Ui> makeUi();

    X11Options options_;
    GlibScheduler scheduler_;
    platform::LocalNotificationCenter notifications_;
    XdgPaths paths_;
    platform::FileUserDefaults defaults_;
    ChildProcesses processes_;
    X11EventServices events_;
    X11Windows windows_;
    X11Accessibility accessibility_;
    X11Workspace workspace_;
    X11SystemActions systemActions_;
    XdgLoginItem loginItem_;
    std::unique_ptr<platform::Ui> ui_;
};

}  // namespace velmor::x11
