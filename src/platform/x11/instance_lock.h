#pragma once

#include <filesystem>
#include <string_view>

#include "platform/x11/xdg_paths.h"

namespace velmor::x11 {

// The one running instance of the program on a display, for one user: an flock on a file,
// which the kernel lets go of when the holder ends however it ends, so a crash never blocks
// the next start. Children the program launches do not inherit it.
class InstanceLock {
public:
    enum class Outcome {
        taken,          // this process is the instance until the value goes
        heldByAnother,  // another process is the instance
        unavailable,    // the file could not be made or locked: nobody can tell
    };

    // Tries to take the lock in `file`, made with its folder when missing.
    explicit InstanceLock(const std::filesystem::path& file);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Outcome outcome() const { return outcome_; }

    // The lock of a display ("host:display.screen", every screen of it alike): in the
    // runtime folder, which logging out empties, else the state folder.
    static std::filesystem::path fileFor(const XdgPaths& paths, std::string_view displayName);

private:
    int descriptor_ = -1;
    Outcome outcome_ = Outcome::unavailable;
};

}  // namespace velmor::x11
