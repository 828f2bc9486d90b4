#include "desktop/session_check.h"

#include <cstdlib>

namespace velmor {

namespace {

std::optional<std::string> variable(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        return std::nullopt;
    }
    return std::string(value);
}

bool isWayland(const SessionEnvironment& session) {
    return session.waylandDisplay.has_value() || session.sessionType == "wayland";
}

}  // namespace

SessionEnvironment SessionEnvironment::fromProcess() {
    return SessionEnvironment{variable("DISPLAY"), variable("WAYLAND_DISPLAY"),
                              variable("XDG_SESSION_TYPE")};
}

SessionVerdict judgeSession(const SessionEnvironment& session) {
    if (!session.display) {
        if (isWayland(session)) {
            return {false,
                    "velmor: this Wayland session has no X11 display (XWayland); Velmor needs "
                    "X11, Wayland is not supported yet"};
        }
        return {false,
                "velmor: no X11 display (DISPLAY is not set); start Velmor from your desktop, "
                "or try `velmor replay SESSION`"};
    }
    if (isWayland(session)) {
        return {true,
                "velmor: warning: this is a Wayland session; Velmor sees only X11 (XWayland) "
                "windows, and gestures over other windows do nothing"};
    }
    return {true, {}};
}

}  // namespace velmor
