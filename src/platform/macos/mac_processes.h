#pragma once

#include "platform/processes.h"

namespace velmor::macos {

// Child processes through Foundation's tasks: launched without a shell, waited for, their
// pipes read to the end. Any thread; runAndWait blocks.
class MacProcesses : public platform::Processes {
public:
    platform::ProcessOutcome runAndWait(const platform::ProcessRequest& request) override;
};

}  // namespace velmor::macos
