#pragma once

#include <filesystem>
#include <string>

namespace velmor::x11 {

// Starts applications and opens addresses through GIO, any thread. What it starts gets the
// display the workspace watches, so its windows show up there.
class AppLauncher {
public:
    // `displayName` empty: the programs inherit $DISPLAY.
    explicit AppLauncher(std::string displayName) : displayName_(std::move(displayName)) {}

    // Runs the desktop entry's Exec line; false when the entry cannot be read or started.
    bool launch(const std::filesystem::path& entryFile) const;
    // Hands the address to its default handler; false when there is none or it failed.
    bool openUri(const std::string& uri) const;

private:
    std::string displayName_;
};

}  // namespace velmor::x11
