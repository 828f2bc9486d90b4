#pragma once

#include "platform/processes.h"

namespace velmor::x11 {

// Programs run to their end, without a shell. A path without a slash is looked up on PATH;
// standard input is empty.
class ChildProcesses : public platform::Processes {
public:
    platform::ProcessOutcome runAndWait(const platform::ProcessRequest& request) override;
};

}  // namespace velmor::x11
