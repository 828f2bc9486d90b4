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

// Keeps an observer registered; dropping it removes the observer.
class ObserverToken {
public:
    virtual ~ObserverToken() = default;
};

// The default notification centre: observers by name, for any sender. Main thread only:
// observers run on the thread that posts.
class NotificationCenter {
public:
    virtual ~NotificationCenter() = default;
    [[nodiscard]] virtual std::unique_ptr<ObserverToken> addObserver(
        const std::string& name, NotificationObserver observer) = 0;
    // Calls the observers of that name synchronously, in the order they were added.
    virtual void post(const std::string& name, std::optional<Value> object) = 0;
};

}  // namespace velmor::platform
