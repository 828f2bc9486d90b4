#include "platform/in_memory_user_defaults.h"

namespace velmor::platform {

std::optional<Value> InMemoryUserDefaults::object(std::string_view key) const {
    const std::lock_guard lock(mutex_);
    const auto found = entries_.find(key);
    if (found == entries_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void InMemoryUserDefaults::set(std::string_view key, Value value) {
    const std::lock_guard lock(mutex_);
    entries_.insert_or_assign(std::string(key), std::move(value));
}

void InMemoryUserDefaults::remove(std::string_view key) {
    const std::lock_guard lock(mutex_);
    const auto found = entries_.find(key);
    if (found != entries_.end()) {
        entries_.erase(found);
    }
}

Value::Dictionary InMemoryUserDefaults::entries() const {
    const std::lock_guard lock(mutex_);
    return entries_;
}

}  // namespace velmor::platform
