#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_recorder.h"
#include "platform/workspace.h"

namespace velmor::sim {

// A running application of the simulated system.
struct SimApplication {
    std::int32_t pid = 0;
    std::optional<std::string> bundleIdentifier;
    bool hidden = false;
    bool terminated = false;
};

// The simulated workspace: running applications, installed bundles and the requests made of
// them. Paths that are not installed bundles answer from the real file system.
class SimWorkspace : public platform::Workspace {
public:
    static constexpr const char* kOwnBundleIdentifier = "com.brisvane.velmor";

    explicit SimWorkspace(SimRecorder& recorder) : recorder_(recorder) {}

    std::optional<platform::RunningApplication> frontmostApplication() override;
    bool isTerminated(const platform::RunningApplication& application) override;
    bool launchApplication(const std::string& name) override;
    // Names, paths and browsers as on a Mac.
    bool launchWellKnownApplication(platform::WellKnownApplication application) override;
    std::string wellKnownApplicationPath(platform::WellKnownApplication application) override;
    bool isWebBrowser(const std::string& applicationId) override;
    bool openURL(const std::string& absoluteURL) override;
    bool openFile(const std::string& path) override;
    platform::ItemKind itemAtPath(const std::string& path) override;
    bool isApplication(const std::string& path) override;
    std::optional<std::string> applicationIdAtPath(const std::string& path) override;
    std::optional<std::string> applicationName(const std::string& applicationId) override;
    std::vector<platform::RunningApplication> runningApplications(
        const std::string& applicationId) override;
    void terminate(const platform::RunningApplication& application) override;
    void unhide(const platform::RunningApplication& application) override;
    void activate(const platform::RunningApplication& application, unsigned options) override;
    std::string ownApplicationId() override { return kOwnBundleIdentifier; }

    // Adds the application, or updates the one with that pid.
    void addRunningApplication(std::optional<std::string> bundleIdentifier, std::int32_t pid,
                               bool hidden = false);
    // Nothing: no application is frontmost. The pid must be of a running application.
    void setFrontmostApplication(std::optional<std::int32_t> pid);
    // The application quits: it is terminated and no longer frontmost.
    void quitApplication(std::int32_t pid);
    const SimApplication* application(std::int32_t pid) const;
    void installApplication(const std::string& path, const std::string& bundleIdentifier,
                            std::optional<std::string> name = std::nullopt);
    void setOpenURLSucceeds(bool succeeds) { openURLSucceeds_ = succeeds; }
    void setLaunchApplicationSucceeds(bool succeeds) { launchSucceeds_ = succeeds; }

private:
    SimApplication* find(std::int32_t pid);
    void recordApplicationRequest(const char* kind, const platform::RunningApplication& app,
                                  Value::Dictionary extra = {});

    SimRecorder& recorder_;
    std::vector<SimApplication> applications_;  // in the order the system lists them
    std::optional<std::int32_t> frontmost_;
    std::map<std::string, std::string> installed_;  // normalised bundle path -> identifier
    std::map<std::string, std::string> names_;      // identifier -> name
    bool openURLSucceeds_ = true;
    bool launchSucceeds_ = true;
};

}  // namespace velmor::sim
