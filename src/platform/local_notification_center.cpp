#include "platform/local_notification_center.h"

#include <utility>

namespace velmor::platform {

void LocalNotificationCenter::addObserver(const std::string& name, NotificationObserver observer) {
    observers_[name].push_back(std::move(observer));
}

void LocalNotificationCenter::post(const std::string& name, std::optional<Value> object) {
    auto found = observers_.find(name);
    if (found == observers_.end()) {
        return;
    }
    // A copy, because an observer may add observers while it runs; those hear the next post.
    const std::vector<NotificationObserver> observers = found->second;
    const Notification notification{name, std::move(object)};
    for (const auto& observer : observers) {
        observer(notification);
    }
}

}  // namespace velmor::platform
