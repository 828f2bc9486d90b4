#include "platform/macos/mac_user_defaults.h"

#import <Foundation/Foundation.h>

#include "platform/macos/foundation_text.h"
#include "platform/macos/foundation_values.h"

namespace velmor::macos {

struct MacUserDefaults::Native {
    NSUserDefaults* defaults = nil;
};

MacUserDefaults::MacUserDefaults(const std::string& domain) : native_(std::make_unique<Native>()) {
    @autoreleasepool {
        NSString* name = foundationText(domain);
        const bool ownDomain = [NSBundle.mainBundle.bundleIdentifier isEqualToString:name];
        native_->defaults = ownDomain ? NSUserDefaults.standardUserDefaults
                                      : [[NSUserDefaults alloc] initWithSuiteName:name];
    }
}

MacUserDefaults::~MacUserDefaults() = default;

std::optional<Value> MacUserDefaults::object(std::string_view key) const {
    @autoreleasepool {
        id stored = [native_->defaults objectForKey:foundationText(key)];
        if (stored == nil) {
            return std::nullopt;
        }
        return valueOfFoundationObject(stored);
    }
}

void MacUserDefaults::set(std::string_view key, Value value) {
    @autoreleasepool {
        [native_->defaults setObject:foundationObject(value) forKey:foundationText(key)];
    }
}

void MacUserDefaults::remove(std::string_view key) {
    @autoreleasepool {
        [native_->defaults removeObjectForKey:foundationText(key)];
    }
}

bool MacUserDefaults::synchronize() {
    return [native_->defaults synchronize];
}

}  // namespace velmor::macos
