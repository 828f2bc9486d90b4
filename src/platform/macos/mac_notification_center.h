#pragma once

#include "platform/notification_center.h"

namespace velmor::macos {

// The default notification centre of Foundation; observers run on the posting thread.
// Main thread only, as the program uses it.
class MacNotificationCenter : public platform::NotificationCenter {
public:
    std::unique_ptr<platform::ObserverToken> addObserver(
        const std::string& name, platform::NotificationObserver observer) override;
    void post(const std::string& name, std::optional<Value> object) override;
};

}  // namespace velmor::macos
