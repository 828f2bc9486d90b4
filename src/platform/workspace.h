#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmor::platform {

// A running application as the workspace reports it.
struct RunningApplication {
    std::int32_t pid = 0;
    std::optional<std::string> bundleIdentifier;

    friend bool operator==(const RunningApplication&, const RunningApplication&) = default;
};

enum class ItemKind { none, file, folder };

// Options of activating a running application.
inline constexpr unsigned kActivateAllWindows = 1;
inline constexpr unsigned kActivateIgnoringOtherApps = 2;

class Workspace {
public:
    virtual ~Workspace() = default;

    // Nothing when the system reports no frontmost application.
    virtual std::optional<RunningApplication> frontmostApplication() = 0;
    virtual bool isTerminated(const RunningApplication& application) = 0;

    virtual bool launchApplication(const std::string& name) = 0;
    // Opens a web address in the default browser.
    virtual bool openURL(const std::string& absoluteURL) = 0;
    // Opens a file URL made from the path: launches an application bundle, or brings it
    // forward when it runs.
    virtual bool openFile(const std::string& path) = 0;

    // What exists at a path: installed application bundles are the platform's knowledge.
    virtual ItemKind itemAtPath(const std::string& path) = 0;
    virtual std::optional<std::string> bundleIdentifierAtPath(const std::string& path) = 0;
    // The name a person knows an installed application by; nothing when it is unknown.
    virtual std::optional<std::string> applicationName(const std::string& bundleIdentifier) = 0;

    // In the order the system lists them.
    virtual std::vector<RunningApplication> runningApplications(
        const std::string& bundleIdentifier) = 0;
    // The ordinary request, which lets the application ask to save documents.
    virtual void terminate(const RunningApplication& application) = 0;
    virtual void unhide(const RunningApplication& application) = 0;
    virtual void activate(const RunningApplication& application, unsigned options) = 0;

    // This program's own bundle identifier.
    virtual std::string ownBundleIdentifier() = 0;
};

}  // namespace velmor::platform
