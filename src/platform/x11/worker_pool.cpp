#include "platform/x11/worker_pool.h"

namespace velmor::x11 {

WorkerPool::WorkerPool(std::size_t threadCount) {
    threads_.reserve(threadCount);
    for (std::size_t i = 0; i < threadCount; ++i) {
        threads_.emplace_back([this] { work(); });
    }
}

WorkerPool::~WorkerPool() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    ready_.notify_all();
    threads_.clear();  // joins once the queue is empty
}

void WorkerPool::post(platform::Block block) {
    {
        const std::lock_guard lock(mutex_);
        blocks_.push_back(std::move(block));
    }
    ready_.notify_one();
}

void WorkerPool::work() {
    std::unique_lock lock(mutex_);
    while (true) {
        ready_.wait(lock, [this] { return stopping_ || !blocks_.empty(); });
        if (blocks_.empty()) {
            return;
        }
        platform::Block block = std::move(blocks_.front());
        blocks_.pop_front();
        lock.unlock();
        if (block) {
            block();
        }
        block = nullptr;  // whatever it captured goes before the lock is taken again
        lock.lock();
    }
}

}  // namespace velmor::x11
