#pragma once

#include <filesystem>

#include "platform/macos/gcd_scheduler.h"
#include "platform/macos/mac_accessibility.h"
#include "platform/macos/mac_event_services.h"
#include "platform/macos/mac_notification_center.h"
#include "platform/macos/mac_paths.h"
#include "platform/macos/mac_processes.h"
#include "platform/macos/mac_ui.h"
#include "platform/macos/mac_user_defaults.h"
#include "platform/macos/mac_workspace.h"
#include "platform/macos_tables/launch_agent.h"
#include "platform/macos_tables/macos_system_actions.h"
#include "platform/platform.h"

namespace velmor::macos {

struct MacOptions {
    std::filesystem::path home = userHomeFolder();  // where the program's files go
    std::string settingsDomain = "com.brisvane.velmor";
};

// The program on a Mac: the Mac's own services behind the seam, files under the home
// folder, settings in the user defaults of the settings domain.
class MacPlatform : public platform::Platform {
public:
    explicit MacPlatform(MacOptions options = {});

    platform::EventServices& events() override { return events_; }
    platform::Accessibility& accessibility() override { return accessibility_; }
    platform::Workspace& workspace() override { return workspace_; }
    platform::Ui& ui() override { return ui_; }
    platform::Scheduler& scheduler() override { return scheduler_; }
    platform::Processes& processes() override { return processes_; }
    platform::UserDefaults& defaults() override { return defaults_; }
    platform::NotificationCenter& notifications() override { return notifications_; }
    platform::SystemActions& systemActions() override { return systemActions_; }
    platform::LoginItem& loginItem() override { return loginItem_; }
    platform::Paths& paths() override { return paths_; }
    std::filesystem::path homeDirectory() const override { return home_; }

    MacUi& macUi() { return ui_; }

private:
    const std::filesystem::path home_;
    GcdScheduler scheduler_;
    MacNotificationCenter notifications_;
    MacSystemPaths paths_;
    MacUserDefaults defaults_;
    MacProcesses processes_;
    MacEventServices events_;
    MacAccessibility accessibility_;
    MacWorkspace workspace_;
    MacSystemActions systemActions_;
    LaunchAgentLoginItem loginItem_;
    MacUi ui_;
};

}  // namespace velmor::macos
