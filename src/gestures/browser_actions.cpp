#include "gestures/browser_actions.h"

#include <algorithm>
#include <set>
#include <string>

#include "gestures/synthetic_input.h"

namespace velmor {

namespace {

constexpr double kTitleMessagingTimeout = 0.15;

const std::set<std::string, std::less<>>& browsers() {
    // Built once, thread-safely, on first use; only read afterwards.
    static const std::set<std::string, std::less<>> identifiers{
        "com.google.Chrome",
        "com.google.Chrome.canary",
        "com.apple.Safari",
        "org.mozilla.firefox",
        "org.mozilla.firefoxdeveloperedition",
        "com.microsoft.edgemac",
        "com.brave.Browser",
        "company.thebrowser.Browser",
        "com.operasoftware.Opera",
        "com.vivaldi.Vivaldi",
    };
    return identifiers;
}

std::string lowerCasedAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    });
    return text;
}

bool titleShowsMusic(const std::string& title) {
    const std::string lower = lowerCasedAscii(title);
    return lower.find("youtube music") != std::string::npos ||
           lower.find("유튜브 뮤직") != std::string::npos;
}

}  // namespace

bool VLIsForegroundBrowser(const std::optional<platform::RunningApplication>& application) {
    const std::string identifier =
        application ? application->bundleIdentifier.value_or(std::string()) : std::string();
    return browsers().contains(identifier);
}

bool VLBrowserWindowIsMusic(platform::Platform& platform,
                            const std::optional<platform::RunningApplication>& application) {
    if (!application || !VLIsForegroundBrowser(application)) {
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
