#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmor::platform {

// A running application as the workspace reports it.
struct RunningApplication {
    std::int32_t pid = 0;
    std::optional<std::string> applicationId;  // e.g. a bundle identifier

    friend bool operator==(const RunningApplication&, const RunningApplication&) = default;
};

enum class ItemKind { none, file, folder };

// Applications every desktop has in some form.
enum class WellKnownApplication { systemSettings, notes, music };

// Options of activating a running application.
inline constexpr unsigned kActivateAllWindows = 1;
inline constexpr unsigned kActivateIgnoringOtherApps = 2;

// Any thread.
class Workspace {
public:
    virtual ~Workspace() = default;

    // Nothing when the system reports no frontmost application.
    virtual std::optional<RunningApplication> frontmostApplication() = 0;
    virtual bool isTerminated(const RunningApplication& application) = 0;

    virtual bool launchApplication(const std::string& name) = 0;
    // Launches this desktop's application for the role.
    virtual bool launchWellKnownApplication(WellKnownApplication application) = 0;
    // The path that opens the application for the role, as a letter action names it.
    virtual std::string wellKnownApplicationPath(WellKnownApplication application) = 0;
    // Whether the application with that id is a web browser.
    virtual bool isWebBrowser(const std::string& applicationId) = 0;
    // Opens a web address in the default browser.
    virtual bool openURL(const std::string& absoluteURL) = 0;
    // Opens a file URL made from the path: launches an application bundle, or brings it
    // forward when it runs.
    virtual bool openFile(const std::string& path) = 0;

    // What exists at a path: installed application bundles are the platform's knowledge.
    virtual ItemKind itemAtPath(const std::string& path) = 0;
    virtual std::optional<std::string> applicationIdAtPath(const std::string& path) = 0;
    // Whether the path names an application this desktop launches as one (an application
    // bundle, an installed desktop entry), rather than a file that merely exists.
    virtual bool isApplication(const std::string& path) = 0;
    // The name a person knows an installed application by; nothing when it is unknown.
    virtual std::optional<std::string> applicationName(const std::string& applicationId) = 0;

    // In the order the system lists them.
    virtual std::vector<RunningApplication> runningApplications(
        const std::string& applicationId) = 0;
    // The ordinary request, which lets the application ask to save documents.
    virtual void terminate(const RunningApplication& application) = 0;
    virtual void unhide(const RunningApplication& application) = 0;
    virtual void activate(const RunningApplication& application, unsigned options) = 0;

    // This program's own application id.
    virtual std::string ownApplicationId() = 0;
};

}  // namespace velmor::platform
