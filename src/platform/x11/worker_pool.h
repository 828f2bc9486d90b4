#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/scheduler.h"

namespace velmor::x11 {

// Threads that run posted blocks; with one thread it is a serial queue. Blocks still queued
// when it is destroyed run before its threads are joined.
class WorkerPool {
public:
    explicit WorkerPool(std::size_t threadCount);
    ~WorkerPool();
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;

    void post(platform::Block block);

private:
    void work();

    std::mutex mutex_;
    std::condition_variable ready_;
    std::deque<platform::Block> blocks_;
    bool stopping_ = false;
    std::vector<std::jthread> threads_;
};

}  // namespace velmor::x11
