#include "platform/sim/sim_processes.h"

namespace velmor::sim {

platform::ProcessOutcome SimProcesses::runAndWait(const platform::ProcessRequest& request) {
    Value::Array arguments;
    for (const auto& argument : request.arguments) {
        arguments.emplace_back(argument);
    }
    recorder_.record("process", {{"path", Value(request.path)},
                                 {"args", Value(arguments)},
                                 {"stdout-piped", Value::boolean(request.pipeStandardOutput)},
                                 {"stderr-piped", Value::boolean(request.pipeStandardError)}});

    auto scripted = outcomes_.find(request.path);
    platform::ProcessOutcome outcome;
    if (scripted == outcomes_.end()) {
        outcome.launched = true;
        outcome.exitStatus = 0;
    } else {
        outcome = scripted->second;
    }
    if (!request.pipeStandardOutput) {
        outcome.standardOutput.clear();
    }
    if (!request.pipeStandardError) {
        outcome.standardError.clear();
    }
    return outcome;
}

}  // namespace velmor::sim
