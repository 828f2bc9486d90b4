#include "platform/macos_tables/handle_table.h"

namespace velmor::macos {

HandleTable::~HandleTable() {
    for (const auto& [number, handle] : handles_) {
        release_(handle);
    }
}

std::int64_t HandleTable::add(void* handle) {
    void* evicted = nullptr;
    std::int64_t number = 0;
    {
        const std::lock_guard lock(mutex_);
        if (!handles_.empty() && handles_.size() >= capacity_) {
            evicted = handles_.front().second;
            handles_.pop_front();
        }
        number = nextNumber_++;
        handles_.emplace_back(number, handle);
    }
    if (evicted != nullptr) {
        release_(evicted);  // outside the lock: releasing may call back into the system
    }
    return number;
}

void* HandleTable::copy(std::int64_t number) const {
    const std::lock_guard lock(mutex_);
    for (const auto& [kept, handle] : handles_) {
        if (kept == number) {
            return retain_(handle);
        }
    }
    return nullptr;
}

}  // namespace velmor::macos
