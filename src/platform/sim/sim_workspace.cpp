#include "platform/sim/sim_workspace.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/macos_tables/macos_places.h"

namespace velmor::sim {

using platform::ItemKind;
using platform::RunningApplication;

namespace {

// "/Applications/Foo.app/" and "/Applications/./Foo.app" name the same bundle.
std::string normalised(const std::string& path) {
    auto normal = std::filesystem::path(path).lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    return normal;
}

bool isSameOrInside(const std::string& folder, const std::string& path) {
    if (folder == path) {
        return true;
    }
    const std::string prefix = folder == "/" ? folder : folder + "/";
    return path.starts_with(prefix);
}

ItemKind realItemAt(const std::string& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::exists(status)) {
        return ItemKind::none;
    }
    return std::filesystem::is_directory(status) ? ItemKind::folder : ItemKind::file;
}

}  // namespace

std::optional<RunningApplication> SimWorkspace::frontmostApplication() {
    const SimApplication* app = frontmost_ ? application(*frontmost_) : nullptr;
    if (!app) {
        return std::nullopt;
    }
    return RunningApplication{app->pid, app->bundleIdentifier};
}

bool SimWorkspace::isTerminated(const RunningApplication& application) {
    const SimApplication* app = find(application.pid);
    return app && app->terminated;
}

bool SimWorkspace::launchApplication(const std::string& name) {
    recorder_.record("launch-app", {{"name", Value(name)}});
    return launchSucceeds_;
}

bool SimWorkspace::launchWellKnownApplication(platform::WellKnownApplication application) {
    return launchApplication(std::string(macos::wellKnownApplicationName(application)));
}

std::string SimWorkspace::wellKnownApplicationPath(platform::WellKnownApplication application) {
    return macos::wellKnownApplicationPath(application);
}

bool SimWorkspace::isWebBrowser(const std::string& applicationId) {
    return macos::isWebBrowser(applicationId);
}

bool SimWorkspace::openURL(const std::string& absoluteURL) {
    recorder_.record("open-url", {{"url", Value(absoluteURL)}});
    return openURLSucceeds_;
}

bool SimWorkspace::openFile(const std::string& path) {
    recorder_.record("open-file", {{"path", Value(path)}});
    return itemAtPath(path) != ItemKind::none;
}

ItemKind SimWorkspace::itemAtPath(const std::string& path) {
    if (path.empty()) {
        return ItemKind::none;
    }
    const std::string wanted = normalised(path);
    for (const auto& [bundlePath, identifier] : installed_) {
        // A bundle is a folder, and so is every folder that holds it.
        if (isSameOrInside(wanted, bundlePath)) {
            return ItemKind::folder;
        }
    }
    return realItemAt(path);
}

bool SimWorkspace::isApplication(const std::string& path) {
    return itemAtPath(path) == ItemKind::folder && macos::namesApplicationBundle(path);
}

std::optional<std::string> SimWorkspace::applicationIdAtPath(const std::string& path) {
    auto found = installed_.find(normalised(path));
    if (found == installed_.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::vector<RunningApplication> SimWorkspace::runningApplications(
    const std::string& applicationId) {
    std::vector<RunningApplication> matching;
    for (const auto& app : applications_) {
        if (!app.terminated && app.bundleIdentifier == applicationId) {
            matching.push_back(RunningApplication{app.pid, app.bundleIdentifier});
        }
    }
    return matching;
}

void SimWorkspace::terminate(const RunningApplication& application) {
    // Only a request: the application may ask to save documents, or refuse.
    recordApplicationRequest("terminate", application);
}

void SimWorkspace::unhide(const RunningApplication& application) {
    recordApplicationRequest("unhide", application);
    if (SimApplication* app = find(application.pid)) {
        app->hidden = false;
    }
}

void SimWorkspace::activate(const RunningApplication& application, unsigned options) {
    recordApplicationRequest("activate", application, {{"options", Value::integer(options)}});
    SimApplication* app = find(application.pid);
    if (app && !app->terminated) {
        frontmost_ = app->pid;
    }
}

void SimWorkspace::recordApplicationRequest(const char* kind, const RunningApplication& app,
                                            Value::Dictionary extra) {
    extra.emplace("bundle", Value(app.applicationId.value_or("")));
    extra.emplace("pid", Value::integer(app.pid));
    recorder_.record(kind, std::move(extra));
}

void SimWorkspace::addRunningApplication(std::optional<std::string> bundleIdentifier,
                                         std::int32_t pid, bool hidden) {
    if (SimApplication* app = find(pid)) {
        *app = SimApplication{pid, std::move(bundleIdentifier), hidden, false};
        return;
    }
    applications_.push_back(SimApplication{pid, std::move(bundleIdentifier), hidden, false});
}

void SimWorkspace::setFrontmostApplication(std::optional<std::int32_t> pid) {
    frontmost_ = pid;
}

void SimWorkspace::quitApplication(std::int32_t pid) {
    if (SimApplication* app = find(pid)) {
        app->terminated = true;
    }
    if (frontmost_ == pid) {
        frontmost_.reset();
    }
}

const SimApplication* SimWorkspace::application(std::int32_t pid) const {
    for (const auto& app : applications_) {
        if (app.pid == pid) {
            return &app;
        }
    }
    return nullptr;
}

SimApplication* SimWorkspace::find(std::int32_t pid) {
    return const_cast<SimApplication*>(std::as_const(*this).application(pid));
}

void SimWorkspace::installApplication(const std::string& path, const std::string& bundleIdentifier,
                                      std::optional<std::string> name) {
    installed_[normalised(path)] = bundleIdentifier;
    if (name) {
        names_[bundleIdentifier] = std::move(*name);
    }
}

std::optional<std::string> SimWorkspace::applicationName(const std::string& applicationId) {
    const auto found = names_.find(applicationId);
    if (found == names_.end()) {
        return std::nullopt;
    }
    return found->second;
}

}  // namespace velmor::sim
