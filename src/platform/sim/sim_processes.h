#pragma once

#include <map>
#include <string>

#include "platform/processes.h"
#include "platform/sim/sim_recorder.h"

namespace velmor::sim {

// Child processes that are never started: each request is recorded and answered from the
// outcome scripted for its program path.
class SimProcesses : public platform::Processes {
public:
    explicit SimProcesses(SimRecorder& recorder) : recorder_(recorder) {}

    // Unscripted programs launch and exit with status 0 and no output. Output reaches the
    // caller only through the pipes it asked for.
    platform::ProcessOutcome runAndWait(const platform::ProcessRequest& request) override;

    void setProcessOutcome(const std::string& path, platform::ProcessOutcome outcome) {
        outcomes_[path] = std::move(outcome);
    }

private:
    SimRecorder& recorder_;
    std::map<std::string, platform::ProcessOutcome> outcomes_;
};

}  // namespace velmor::sim
