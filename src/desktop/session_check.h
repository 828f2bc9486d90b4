#pragma once

#include <optional>
#include <string>

namespace velmor {

// The graphical session the program was started in, as its environment tells.
struct SessionEnvironment {
    std::optional<std::string> display;         // DISPLAY
    std::optional<std::string> waylandDisplay;  // WAYLAND_DISPLAY
    std::optional<std::string> sessionType;     // XDG_SESSION_TYPE

    static SessionEnvironment fromProcess();
};

// Whether the program can run in the session, and the one line that tells the user why not,
// or what to expect when it can.
struct SessionVerdict {
    bool canRun = false;
    std::string message;  // empty when there is nothing to say
};

SessionVerdict judgeSession(const SessionEnvironment& session);

}  // namespace velmor
