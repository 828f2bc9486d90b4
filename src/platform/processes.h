#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmor::platform {

struct ProcessRequest {
    std::string path;
    std::vector<std::string> arguments;
    bool pipeStandardOutput = false;  // else inherited
    bool pipeStandardError = false;   // else inherited
};

struct ProcessOutcome {
    bool launched = false;
    int exitStatus = -1;
    std::string standardOutput;  // bytes read from the pipe, when piped
    std::string standardError;   // bytes read from the pipe, when piped
    // Why the launch or the wait failed; nothing when it failed without a reason.
    std::optional<std::string> failureReason;
};

// Any thread; runAndWait blocks, so background queues only.
class Processes {
public:
    virtual ~Processes() = default;
    // Launches, waits until the process exits and reads the pipes to their end.
    virtual ProcessOutcome runAndWait(const ProcessRequest& request) = 0;
};

}  // namespace velmor::platform
