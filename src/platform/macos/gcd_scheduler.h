#pragma once

#include <memory>
#include <string>

#include "platform/scheduler.h"

namespace velmor::macos {

// The Mac's main run loop and Grand Central Dispatch: the main queue, the user-initiated
// global queue, one serial queue per label, and run-loop timers in the default mode (they
// wait while a modal alert or panel runs) or in the common modes (they fire regardless).
class GcdScheduler : public platform::Scheduler {
public:
    GcdScheduler();
    ~GcdScheduler() override;
    GcdScheduler(const GcdScheduler&) = delete;
    GcdScheduler& operator=(const GcdScheduler&) = delete;

    void asyncMain(platform::Block block) override;
    void asyncUserInitiated(platform::Block block) override;
    void asyncSerial(const std::string& label, platform::Block block) override;
    std::unique_ptr<platform::Timer> scheduleRepeatingTimer(double intervalSeconds,
                                                            platform::Block action,
                                                            platform::TimerMode mode) override;
    // The application's run loop when there is an application, else the main run loop.
    void runMainLoop() override;
    void quitMainLoop() override;
    double absoluteTime() const override;
    double secondsSince1970() const override;
    void sleepMicroseconds(unsigned microseconds) override;

private:
    struct SerialQueues;
    std::unique_ptr<SerialQueues> serialQueues_;
};

// Whether the caller runs on the main thread; names the call on the terminal when not.
bool checkMainThread(const char* call);

}  // namespace velmor::macos
