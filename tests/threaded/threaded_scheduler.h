#pragma once

#include <condition_variable>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/scheduler.h"

namespace velmor::testing {

// A scheduler on real threads: the main queue runs on the thread that drains it, the
// user-initiated queue on a thread per block, each serial queue on a thread of its own.
// Timers are kept but never fire: the threaded run is about the queues.
class ThreadedScheduler : public platform::Scheduler {
public:
    ThreadedScheduler();
    ~ThreadedScheduler() override;
    ThreadedScheduler(const ThreadedScheduler&) = delete;
    ThreadedScheduler& operator=(const ThreadedScheduler&) = delete;

    void asyncMain(platform::Block block) override;
    void asyncUserInitiated(platform::Block block) override;
    void asyncSerial(const std::string& label, platform::Block block) override;
    std::unique_ptr<platform::Timer> scheduleRepeatingTimer(double intervalSeconds,
                                                            platform::Block action,
                                                            platform::TimerMode mode) override;
    void runMainLoop() override;
    void quitMainLoop() override;
    double absoluteTime() const override;
    double secondsSince1970() const override;
    void sleepMicroseconds(unsigned microseconds) override;

    // Runs main blocks on the calling thread until no block is queued or running anywhere.
    void drain();

private:
    struct SerialQueue;
    bool runOneMainBlock(std::unique_lock<std::mutex>& lock);
    void finishedBackgroundBlock();

    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<platform::Block> main_;
    int backgroundPending_ = 0;
    bool quit_ = false;
    std::vector<std::jthread> workers_;
    std::map<std::string, std::unique_ptr<SerialQueue>> serial_;
};

}  // namespace velmor::testing
