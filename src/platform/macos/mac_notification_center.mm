#include "platform/macos/mac_notification_center.h"

#import <Foundation/Foundation.h>

#include "platform/macos/foundation_text.h"
#include "platform/macos/foundation_values.h"

namespace velmor::macos {

namespace {

class FoundationObserverToken : public platform::ObserverToken {
public:
    explicit FoundationObserverToken(id token) : token_(token) {}
    ~FoundationObserverToken() override {
        [NSNotificationCenter.defaultCenter removeObserver:token_];
    }

private:
    id token_;
};

}  // namespace

std::unique_ptr<platform::ObserverToken> MacNotificationCenter::addObserver(
    const std::string& name, platform::NotificationObserver observer) {
    @autoreleasepool {
        // Any sender; no queue, so the observer runs on the thread that posts.
        id token = [NSNotificationCenter.defaultCenter
            addObserverForName:foundationText(name)
                        object:nil
                         queue:nil
                    usingBlock:^(NSNotification* notification) {
                      platform::Notification received;
                      received.name = utf8Text(notification.name);
                      if (notification.object != nil) {
                          received.object = valueOfFoundationObject(notification.object);
                      }
                      observer(received);
                    }];
        return std::make_unique<FoundationObserverToken>(token);
    }
}

void MacNotificationCenter::post(const std::string& name, std::optional<Value> object) {
    @autoreleasepool {
        [NSNotificationCenter.defaultCenter
            postNotificationName:foundationText(name)
                          object:object ? foundationObject(*object) : nil];
    }
}

}  // namespace velmor::macos
