#pragma once

#include <functional>
#include <memory>
#include <string>

namespace velmor::platform {

// Whether a timer waits while a modal alert or panel is open, or fires regardless.
enum class TimerMode { pausesDuringModal, firesAlways };

// A repeating timer on the main run loop. Destroying it invalidates it.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void invalidate() = 0;
    virtual bool isValid() const = 0;
};

using Block = std::function<void()>;

// Any thread: queues and the clock are how background work reaches the main thread.
class Scheduler {
public:
    virtual ~Scheduler() = default;

    // Runs after the current callback has returned, on the main thread.
    virtual void asyncMain(Block block) = 0;
    // The global concurrent queue of quality-of-service class user-initiated.
    virtual void asyncUserInitiated(Block block) = 0;
    // A named serial queue, made on first use; its blocks run one at a time, in order.
    virtual void asyncSerial(const std::string& label, Block block) = 0;

    // Main thread: the timer fires on the main thread until it is destroyed.
    virtual std::unique_ptr<Timer> scheduleRepeatingTimer(double intervalSeconds, Block action,
                                                          TimerMode mode) = 0;

    // Runs the main loop until quitMainLoop is called. Main thread.
    virtual void runMainLoop() = 0;
    // Makes runMainLoop return once the current callback is done. Any thread.
    virtual void quitMainLoop() = 0;

    // Absolute time in seconds since 2001-01-01 (never 0: 0 means "never happened").
    virtual double absoluteTime() const = 0;
    // The current date in seconds since 1970-01-01 UTC.
    virtual double secondsSince1970() const = 0;

    // Background queues only.
    virtual void sleepMicroseconds(unsigned microseconds) = 0;
};

}  // namespace velmor::platform
