#pragma once

#include <string>

#include "platform/local_notification_center.h"
#include "platform/sim/sim_recorder.h"
#include "platform/sim/sim_scheduler.h"

namespace velmor::sim {

// The in-process notification centre, with every post recorded before its observers run.
class SimNotificationCenter : public platform::NotificationCenter {
public:
    SimNotificationCenter(SimScheduler& scheduler, SimRecorder& recorder)
        : scheduler_(scheduler), recorder_(recorder) {}

    std::unique_ptr<platform::ObserverToken> addObserver(
        const std::string& name, platform::NotificationObserver observer) override {
        scheduler_.requireMainThread("addObserver");
        return center_.addObserver(name, std::move(observer));
    }
    void post(const std::string& name, std::optional<Value> object) override {
        scheduler_.requireMainThread("post notification");
        recorder_.record("notification", {{"name", Value(name)}});
        center_.post(name, std::move(object));
    }

private:
    SimScheduler& scheduler_;
    SimRecorder& recorder_;
    platform::LocalNotificationCenter center_;
};

}  // namespace velmor::sim
