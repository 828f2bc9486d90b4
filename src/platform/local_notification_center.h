#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "platform/notification_center.h"

namespace velmor::platform {

// A notification centre that lives inside the process: observers are called synchronously
// on the posting thread, in the order they were added.
class LocalNotificationCenter : public NotificationCenter {
public:
    void addObserver(const std::string& name, NotificationObserver observer) override;
    void post(const std::string& name, std::optional<Value> object) override;

private:
    std::unordered_map<std::string, std::vector<NotificationObserver>> observers_;
};

}  // namespace velmor::platform
