#include "threaded/threaded_scheduler.h"

namespace velmor::testing {

namespace {

constexpr double kStartAbsoluteTime = 786'000'000.0;  // late 2025, never 0
constexpr double kSecondsFrom1970To2001 = 978'307'200.0;

class IdleTimer : public platform::Timer {
public:
    void invalidate() override { valid_ = false; }
    bool isValid() const override { return valid_; }

private:
    bool valid_ = true;
};

}  // namespace

struct ThreadedScheduler::SerialQueue {
    std::mutex mutex;
    std::condition_variable ready;
    std::deque<platform::Block> blocks;
    bool stop = false;
    std::jthread worker;
};

ThreadedScheduler::ThreadedScheduler() = default;

ThreadedScheduler::~ThreadedScheduler() {
    for (auto& [label, queue] : serial_) {
        {
            const std::lock_guard lock(queue->mutex);
            queue->stop = true;
        }
        queue->ready.notify_all();
        queue->worker.join();
    }
    workers_.clear();  // joins
}

void ThreadedScheduler::asyncMain(platform::Block block) {
    {
        const std::lock_guard lock(mutex_);
        main_.push_back(std::move(block));
    }
    changed_.notify_all();
}

void ThreadedScheduler::asyncUserInitiated(platform::Block block) {
    const std::lock_guard lock(mutex_);
    ++backgroundPending_;
    workers_.emplace_back([this, block = std::move(block)] {
        block();
        finishedBackgroundBlock();
    });
}

void ThreadedScheduler::asyncSerial(const std::string& label, platform::Block block) {
    const std::lock_guard lock(mutex_);
    ++backgroundPending_;
    auto& queue = serial_[label];
    if (!queue) {
        queue = std::make_unique<SerialQueue>();
        queue->worker = std::jthread([this, serial = queue.get()] {
            std::unique_lock serialLock(serial->mutex);
            while (true) {
                serial->ready.wait(serialLock,
                                   [&] { return serial->stop || !serial->blocks.empty(); });
                if (serial->blocks.empty()) {
                    return;
                }
                platform::Block next = std::move(serial->blocks.front());
                serial->blocks.pop_front();
                serialLock.unlock();
                next();
                finishedBackgroundBlock();
                serialLock.lock();
            }
        });
    }
    {
        const std::lock_guard serialLock(queue->mutex);
        queue->blocks.push_back(std::move(block));
    }
    queue->ready.notify_all();
}

std::unique_ptr<platform::Timer> ThreadedScheduler::scheduleRepeatingTimer(double, platform::Block,
                                                                           platform::TimerMode) {
    return std::make_unique<IdleTimer>();
}

void ThreadedScheduler::runMainLoop() {
    std::unique_lock lock(mutex_);
    quit_ = false;
    while (!quit_) {
        changed_.wait(lock, [&] { return quit_ || !main_.empty(); });
        runOneMainBlock(lock);
    }
}

void ThreadedScheduler::quitMainLoop() {
    {
        const std::lock_guard lock(mutex_);
        quit_ = true;
    }
    changed_.notify_all();
}

double ThreadedScheduler::absoluteTime() const {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
    return kStartAbsoluteTime + elapsed.count();
}

double ThreadedScheduler::secondsSince1970() const {
    return absoluteTime() + kSecondsFrom1970To2001;
}

void ThreadedScheduler::sleepMicroseconds(unsigned microseconds) {
    std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

void ThreadedScheduler::drain() {
    std::unique_lock lock(mutex_);
    while (true) {
        if (runOneMainBlock(lock)) {
            continue;
        }
        if (backgroundPending_ == 0) {
            return;
        }
        changed_.wait(lock, [&] { return !main_.empty() || backgroundPending_ == 0; });
    }
}

bool ThreadedScheduler::runOneMainBlock(std::unique_lock<std::mutex>& lock) {
    if (main_.empty()) {
        return false;
    }
    platform::Block block = std::move(main_.front());
    main_.pop_front();
    lock.unlock();
    if (block) {
        block();
    }
    lock.lock();
    return true;
}

void ThreadedScheduler::finishedBackgroundBlock() {
    {
        const std::lock_guard lock(mutex_);
        --backgroundPending_;
    }
    changed_.notify_all();
}

}  // namespace velmor::testing
