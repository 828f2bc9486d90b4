#pragma once

#include <X11/Xlib.h>

#include <filesystem>
#include <string>
#include <vector>

#include "x11/child_process.h"
#include "x11/x_session.h"

namespace velmor::x11::testing {

// Starts the recording client on the session and reads back what it received.
class RecordingClient {
public:
    // `windowClass` is the class it names itself by, as applications are told apart.
    RecordingClient(const XSession& session, const std::filesystem::path& log,
                    const std::string& windowClass = "VelmorRecorder");

    // Whether its window was mapped within the patience.
    bool ready();
    Window window() const { return window_; }
    ChildProcess& process() { return process_; }

    // Every line after "ready"; the lines equal to `line`.
    std::vector<std::string> received() const;
    int count(const std::string& line) const;
    // The lines that begin with `prefix`.
    int countStarting(const std::string& prefix) const;
    bool waitFor(const std::string& line, int times = 1) const;

private:
    std::vector<std::string> lines() const;

    std::filesystem::path log_;
    ChildProcess process_;
    Window window_ = 0;
};

}  // namespace velmor::x11::testing
