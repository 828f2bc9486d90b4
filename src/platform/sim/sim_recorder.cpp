#include "platform/sim/sim_recorder.h"

#include <utility>

namespace velmor::sim {

void SimRecorder::record(std::string kind, Value::Dictionary fields) {
    std::unique_lock lock(mutex_);
    records_.push_back(SimRecord{clock_.elapsed(), std::move(kind), std::move(fields)});
    if (listener_) {
        // A copy: the listener may look at records(), which can grow under a reference.
        const SimRecord latest = records_.back();
        lock.unlock();
        listener_(latest);
    }
}

std::vector<SimRecord> SimRecorder::recordsOfKind(std::string_view kind) const {
    std::vector<SimRecord> matching;
    const std::lock_guard lock(mutex_);
    for (const auto& entry : records_) {
        if (entry.kind == kind) {
            matching.push_back(entry);
        }
    }
    return matching;
}

}  // namespace velmor::sim
