#pragma once

#include <filesystem>

#include "platform/accessibility.h"
#include "platform/event_services.h"
#include "platform/login_item.h"
#include "platform/notification_center.h"
#include "platform/paths.h"
#include "platform/processes.h"
#include "platform/scheduler.h"
#include "platform/system_actions.h"
#include "platform/ui.h"
#include "platform/user_defaults.h"
#include "platform/workspace.h"

namespace velmor::platform {

// Whose conventions the program follows where a desktop's differ from the Mac's: the texts
// that name the system's own places, and what a middle click alone does.
enum class DesktopConventions { mac, freedesktop };

// Everything the program asks of the operating system, in one place. The core receives a
// Platform and never includes an OS header; files are real under homeDirectory().
class Platform {
public:
    virtual ~Platform() = default;

    virtual EventServices& events() = 0;
    virtual Accessibility& accessibility() = 0;
    virtual Workspace& workspace() = 0;
    virtual Ui& ui() = 0;
    virtual Scheduler& scheduler() = 0;
    virtual Processes& processes() = 0;
    virtual UserDefaults& defaults() = 0;
    virtual NotificationCenter& notifications() = 0;
    virtual SystemActions& systemActions() = 0;
    virtual LoginItem& loginItem() = 0;
    virtual Paths& paths() = 0;

    virtual std::filesystem::path homeDirectory() const = 0;
    // The Mac's unless the platform says otherwise. Any thread.
    virtual DesktopConventions conventions() const { return DesktopConventions::mac; }
};

}  // namespace velmor::platform
