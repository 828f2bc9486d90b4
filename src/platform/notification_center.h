#pragma once

#include <functional>
#include <optional>
#include <string>

#include "core/value.h"

namespace velmor::platform {

struct Notification {
    std::string name;
    std::optional<Value> object;
};

using NotificationObserver = std::function<void(const Notification&)>;

// The default notification centre: observers by name, for any sender, never removed.
class NotificationCenter {
public:
    virtual ~NotificationCenter() = default;
    virtual void addObserver(const std::string& name, NotificationObserver observer) = 0;
    // Calls the observers of that name synchronously, in the order they were added.
    virtual void post(const std::string& name, std::optional<Value> object) = 0;
};

}  // namespace velmor::platform
