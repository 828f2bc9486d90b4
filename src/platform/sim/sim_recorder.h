#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "core/value.h"
#include "platform/sim/sim_clock.h"

namespace velmor::sim {

// One request the program made of the simulated platform, or one thing that happened to it.
struct SimRecord {
    double t = 0.0;  // virtual seconds since the simulation started
    std::string kind;
    Value::Dictionary fields;
};

using SimRecordListener = std::function<void(const SimRecord&)>;

// The ordered list of everything the simulated platform was asked to do.
class SimRecorder {
public:
    explicit SimRecorder(const SimClock& clock) : clock_(clock) {}

    void record(std::string kind, Value::Dictionary fields = {});

    const std::vector<SimRecord>& records() const { return records_; }
    std::vector<SimRecord> recordsOfKind(std::string_view kind) const;
    void clear() { records_.clear(); }
    // Hears every record as it is made, e.g. to print a replay as it goes.
    void setListener(SimRecordListener listener) { listener_ = std::move(listener); }

private:
    const SimClock& clock_;
    std::vector<SimRecord> records_;
    SimRecordListener listener_;
    // Records may come from background threads when the core runs on real threads.
    mutable std::mutex mutex_;
};

}  // namespace velmor::sim
