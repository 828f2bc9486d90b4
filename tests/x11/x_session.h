#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "platform/x11/display.h"
#include "x11/child_process.h"

namespace velmor::x11::testing {

// An X server of the tests' own (Xvfb on a display number it picks itself, so runs side by
// side never meet) with jwm managing its windows. Everything it started ends with it.
class XSession {
public:
    XSession();

    // Empty when the session could not start; why then.
    bool ready() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }
    const std::string& name() const { return name_; }

    std::optional<Display> connect() const { return Display::open(name_); }
    // Plays the user with xdotool; whether it succeeded.
    bool xdotool(const std::vector<std::string>& arguments) const;
    // Brings the first window whose title matches the pattern to the front, waiting for it to
    // appear. Retried: xdotool dies when a window vanishes while it walks the tree.
    bool activateWindow(const std::string& titlePattern) const;
    ChildProcess start(const std::vector<std::string>& argv) const {
        return ChildProcess(argv, name_);
    }
    // The whole screen as a picture file; false when no screenshot tool is installed.
    bool screenshot(const std::filesystem::path& file) const;
    // The server goes, as at the end of a session; everything on it loses its connection.
    void stopServer();

private:
    bool startServer();
    bool startWindowManager();

    std::string problem_;
    std::string name_;
    std::optional<ChildProcess> server_;
    std::optional<ChildProcess> windowManager_;
};

}  // namespace velmor::x11::testing
