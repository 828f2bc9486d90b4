#include "gestures/browser_actions.h"

#include <string>

#include "core/text.h"
#include "gestures/synthetic_input.h"

namespace velmor {

namespace {

constexpr double kTitleMessagingTimeout = 0.15;

bool titleShowsMusic(const std::string& title) {
    const std::string lower = asciiLowercased(title);
    return lower.find("youtube music") != std::string::npos ||
           lower.find("유튜브 뮤직") != std::string::npos;
}

}  // namespace

bool VLIsForegroundBrowser(platform::Platform& platform,
                           const std::optional<platform::RunningApplication>& application) {
    return application && application->applicationId &&
           platform.workspace().isWebBrowser(*application->applicationId);
}

bool VLBrowserWindowIsMusic(platform::Platform& platform,
                            const std::optional<platform::RunningApplication>& application) {
    if (!application || !VLIsForegroundBrowser(platform, application)) {
        return false;
    }
    auto& accessibility = platform.accessibility();
    const auto window = accessibility.focusedWindow(application->pid, kTitleMessagingTimeout);
    if (!window) {
        return false;
    }
    const auto title = accessibility.windowTitle(*window, kTitleMessagingTimeout);
    return title && titleShowsMusic(*title);
}

void VLBrowserPageStep(platform::Platform& platform,
                       const std::optional<platform::RunningApplication>& application,
                       bool forward) {
    if (VLBrowserWindowIsMusic(platform, application)) {
        platform.systemActions().pressMediaKey(forward ? platform::MediaKey::next
                                                       : platform::MediaKey::previous);
        return;
    }
    platform.systemActions().pressShortcut(forward ? platform::Shortcut::browserForward
                                                   : platform::Shortcut::browserBack);
}

}  // namespace velmor
