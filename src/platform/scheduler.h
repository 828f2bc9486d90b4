#pragma once

#include <functional>
#include <memory>
#include <string>

namespace velmor::platform {

enum class RunLoopMode { defaultMode, commonModes };

// A repeating timer on the main run loop. Destroying it invalidates it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void invalidate() = 0;
    virtual bool isValid() const = 0;
};

using Block = std::function<void()>;

class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Runs after the current callback has returned, on the main thread.
    virtual void asyncMain(Block block) = 0;
    // The global concurrent queue of quality-of-service class user-initiated.
    virtual void asyncUserInitiated(Block block) = 0;
    // A named serial queue, made on first use; its blocks run one at a time, in order.
    virtual void asyncSerial(const std::string& label, Block block) = 0;

    virtual std::unique_ptr<Timer> scheduleRepeatingTimer(double intervalSeconds, Block action,
                                                          RunLoopMode mode) = 0;

    // Absolute time in seconds since 2001-01-01 (never 0: 0 means "never happened").
    virtual double absoluteTime() const = 0;
    // The current date in seconds since 1970-01-01 UTC.
    virtual double secondsSince1970() const = 0;

    // Only for background queues.
    virtual void sleepMicroseconds(unsigned microseconds) = 0;
};

}  // namespace velmor::platform
