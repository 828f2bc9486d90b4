#pragma once

#include <mutex>

#include "platform/user_defaults.h"

namespace velmor::platform {

// User defaults that live only as long as the object: for tests and for runs that must
// leave no trace. Safe to use from several threads.
class InMemoryUserDefaults final : public UserDefaults {
public:
    InMemoryUserDefaults() = default;
    explicit InMemoryUserDefaults(Value::Dictionary entries) : entries_(std::move(entries)) {}

    std::optional<Value> object(std::string_view key) const override;
    void set(std::string_view key, Value value) override;
    void remove(std::string_view key) override;
    // Nothing to write: always succeeds.
    bool synchronize() override { return true; }

    Value::Dictionary entries() const;

private:
    mutable std::mutex mutex_;
    Value::Dictionary entries_;
};

}  // namespace velmor::platform
