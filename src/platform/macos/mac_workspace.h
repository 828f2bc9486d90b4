#pragma once

#include <filesystem>

#include "platform/workspace.h"

namespace velmor::macos {

// The shared workspace and the running applications: an application is a bundle with a
// bundle identifier. Any thread.
class MacWorkspace : public platform::Workspace {
public:
    explicit MacWorkspace(std::filesystem::path home) : home_(std::move(home)) {}

    std::optional<platform::RunningApplication> frontmostApplication() override;
    bool isTerminated(const platform::RunningApplication& application) override;
    bool launchApplication(const std::string& name) override;
    bool launchWellKnownApplication(platform::WellKnownApplication application) override;
    std::string wellKnownApplicationPath(platform::WellKnownApplication application) override;
    bool isWebBrowser(const std::string& applicationId) override;
    bool openURL(const std::string& absoluteURL) override;
    bool openFile(const std::string& path) override;
    platform::ItemKind itemAtPath(const std::string& path) override;
    std::optional<std::string> applicationIdAtPath(const std::string& path) override;
    bool isApplication(const std::string& path) override;
    std::optional<std::string> applicationName(const std::string& applicationId) override;
    std::vector<platform::RunningApplication> runningApplications(
        const std::string& applicationId) override;
    void terminate(const platform::RunningApplication& application) override;
    void unhide(const platform::RunningApplication& application) override;
    void activate(const platform::RunningApplication& application, unsigned options) override;
    std::string ownApplicationId() override;

private:
    std::filesystem::path home_;
};

}  // namespace velmor::macos
