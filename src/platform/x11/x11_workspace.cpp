#include "platform/x11/x11_workspace.h"

#include <algorithm>
#include <system_error>

#include "platform/x11/client_windows.h"
#include "platform/x11/process_state.h"
#include "platform/x11/web_browsers.h"
#include "platform/x11/well_known_applications.h"

namespace velmor::x11 {
namespace {

using platform::RunningApplication;

bool namesEntry(const DesktopEntry& entry, const std::string& name) {
    return sameIgnoringCase(entry.name, name) || entry.desktopId == name ||
           entry.desktopId == name + ".desktop";
}

}  // namespace

X11Workspace::X11Workspace(const std::string& displayName, DesktopFolders folders)
    : catalog_(std::move(folders)), launcher_(displayName), display_(displayName) {}

std::optional<RunningApplication> X11Workspace::frontmostApplication() {
    const std::optional<FrontWindow> front = display_.frontWindow();
    return front ? std::optional(front->owner) : std::nullopt;
}

bool X11Workspace::isTerminated(const RunningApplication& application) {
    return processEnded(application.pid);
}

bool X11Workspace::launchApplication(const std::string& name) {
    const std::vector<DesktopEntry> installed = catalog_.installed();
    const auto found =
        std::find_if(installed.begin(), installed.end(),
                     [&](const DesktopEntry& entry) { return namesEntry(entry, name); });
    return found != installed.end() && launcher_.launch(found->file);
}

bool X11Workspace::launchWellKnownApplication(platform::WellKnownApplication application) {
    const std::optional<DesktopEntry> entry =
        wellKnownEntry(application, catalog_.folders(), catalog_.installed());
    return entry && launcher_.launch(entry->file);
}

std::string X11Workspace::wellKnownApplicationPath(platform::WellKnownApplication application) {
    const std::optional<DesktopEntry> entry =
        wellKnownEntry(application, catalog_.folders(), catalog_.installed());
    return entry ? entry->file.string() : std::string();
}

bool X11Workspace::isWebBrowser(const std::string& applicationId) {
    return isWebBrowserClass(applicationId);
}

bool X11Workspace::openURL(const std::string& absoluteURL) {
    return launcher_.openUri(absoluteURL);
}

bool X11Workspace::openFile(const std::string& path) {
    const std::optional<DesktopEntry> entry = catalog_.entryAt(path);
    if (!entry) {
        return false;
    }
    return activateNewestWindowOf(entry->applicationId()) || launcher_.launch(entry->file);
}

platform::ItemKind X11Workspace::itemAtPath(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return platform::ItemKind::none;
    }
    return std::filesystem::is_directory(status) ? platform::ItemKind::folder
                                                 : platform::ItemKind::file;
}

std::optional<std::string> X11Workspace::applicationIdAtPath(const std::string& path) {
    const std::optional<DesktopEntry> entry = catalog_.entryAt(path);
    return entry ? std::optional(entry->applicationId()) : std::nullopt;
}

bool X11Workspace::isApplication(const std::string& path) {
    return catalog_.entryAt(path).has_value();
}

std::optional<std::string> X11Workspace::applicationName(const std::string& applicationId) {
    const std::optional<DesktopEntry> entry =
        findByApplicationId(catalog_.installed(), applicationId);
    return entry ? std::optional(entry->name) : std::nullopt;
}

std::vector<RunningApplication> X11Workspace::runningApplications(
    const std::string& applicationId) {
    return display_.ask(std::vector<RunningApplication>(), [&](Display&, Ewmh& ewmh) {
        return processesOfClass(ewmh, applicationId);
    });
}

void X11Workspace::terminate(const RunningApplication& application) {
    // Closing every window is how a desktop asks an application to quit: it may still ask
    // to save, where a signal would lose the documents.
    display_.ask(0, [&](Display&, Ewmh& ewmh) { return ewmh.closeWindowsOf(application.pid); });
}

void X11Workspace::unhide(const RunningApplication& application) {
    // The activation request also maps an iconified window back.
    activateNewestWindowOf(application.pid);
}

void X11Workspace::activate(const RunningApplication& application, unsigned /*options*/) {
    // Window managers raise one window per request; the newest is the one the user last
    // opened, and raising more would pull iconified windows back too.
    activateNewestWindowOf(application.pid);
}

bool X11Workspace::activateNewestWindowOf(const std::string& applicationId) {
    return display_.ask(false, [&](Display&, Ewmh& ewmh) {
        const std::optional<Window> window = newestWindowOfClass(ewmh, applicationId);
        if (window) {
            ewmh.activate(*window);
        }
        return window.has_value();
    });
}

void X11Workspace::activateNewestWindowOf(std::int32_t pid) {
    display_.ask(0, [&](Display&, Ewmh& ewmh) {
        const std::vector<Window> windows = windowsOfProcess(ewmh, pid);
        if (!windows.empty()) {
            ewmh.activate(windows.back());
        }
        return 0;
    });
}

}  // namespace velmor::x11
