#pragma once

#include <filesystem>

#include "core/value.h"
#include "platform/login_item.h"

namespace velmor::macos {

inline constexpr const char* VLLaunchAgentLabel = "com.brisvane.velmor.launcher";

// home + "Library/LaunchAgents/com.brisvane.velmor.launcher.plist"
std::filesystem::path VLLaunchAgentPath(const std::filesystem::path& home);

// The agent's three keys: the service manager opens the application by name at login.
Value VLLaunchAgentContents();

// Creates the folder when missing, then writes the file atomically; false when either failed.
bool VLWriteLaunchAgent(const std::filesystem::path& home);

// Deletes the file; a missing file is no error, and no error is reported.
void VLRemoveLaunchAgent(const std::filesystem::path& home);

// The login item as a launch agent in the home folder, as the macOS program writes it.
class LaunchAgentLoginItem : public platform::LoginItem {
public:
    explicit LaunchAgentLoginItem(std::filesystem::path home) : home_(std::move(home)) {}

    bool enable() override { return VLWriteLaunchAgent(home_); }
    void disable() override { VLRemoveLaunchAgent(home_); }
    bool isEnabled() const override;

private:
    std::filesystem::path home_;
};

}  // namespace velmor::macos
