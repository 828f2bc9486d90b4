#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/notification_center.h"

namespace velmor::platform {

// A notification centre that lives inside the process: observers are called synchronously
// on the posting thread, in the order they were added. It outlives the tokens it hands out.
class LocalNotificationCenter : public NotificationCenter {
public:
    std::unique_ptr<ObserverToken> addObserver(const std::string& name,
                                               NotificationObserver observer) override;
    void post(const std::string& name, std::optional<Value> object) override;

private:
    class Token;
    struct Entry {
        std::uint64_t id = 0;
        NotificationObserver observer;
    };
    void remove(const std::string& name, std::uint64_t id);

    std::unordered_map<std::string, std::vector<Entry>> observers_;
    std::uint64_t nextId_ = 1;
};

}  // namespace velmor::platform
