#include "platform/local_notification_center.h"

#include <utility>

namespace velmor::platform {

class LocalNotificationCenter::Token : public ObserverToken {
public:
    Token(LocalNotificationCenter& center, std::string name, std::uint64_t id)
        : center_(center), name_(std::move(name)), id_(id) {}
    ~Token() override { center_.remove(name_, id_); }
    Token(const Token&) = delete;
    Token& operator=(const Token&) = delete;

private:
    LocalNotificationCenter& center_;
    std::string name_;
    std::uint64_t id_;
};

std::unique_ptr<ObserverToken> LocalNotificationCenter::addObserver(const std::string& name,
                                                                    NotificationObserver observer) {
    const std::uint64_t id = nextId_++;
    observers_[name].push_back(Entry{id, std::move(observer)});
    return std::make_unique<Token>(*this, name, id);
}

void LocalNotificationCenter::remove(const std::string& name, std::uint64_t id) {
    auto found = observers_.find(name);
    if (found != observers_.end()) {
        std::erase_if(found->second, [id](const Entry& entry) { return entry.id == id; });
    }
}

void LocalNotificationCenter::post(const std::string& name, std::optional<Value> object) {
    auto found = observers_.find(name);
    if (found == observers_.end()) {
        return;
    }
    // A copy, because an observer may add observers while it runs; those hear the next post.
    const std::vector<Entry> observers = found->second;
    const Notification notification{name, std::move(object)};
    for (const auto& entry : observers) {
        entry.observer(notification);
    }
}

}  // namespace velmor::platform
