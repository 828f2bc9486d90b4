#include "platform/macos/mac_event_services.h"

#import <AppKit/AppKit.h>
#include <ApplicationServices/ApplicationServices.h>
#include <mach/mach_time.h>
#include <time.h>

#include "platform/macos/cf_ref.h"
#include "platform/macos/gcd_scheduler.h"
#include "platform/macos_tables/macos_keys.h"
#include "platform/macos_tables/quartz_time.h"

namespace velmor::macos {

namespace {

namespace type = platform::event_type;
namespace field = platform::event_field;

// Set on the scroll events the program makes: whether the delta counts pixels.

class QuartzEventTap : public platform::EventTap {
public:
    QuartzEventTap(CFRef<CFMachPortRef> port, std::unique_ptr<platform::TapCallback> callback)
        : port_(std::move(port)), callback_(std::move(callback)) {}
    ~QuartzEventTap() override { CFMachPortInvalidate(port_.get()); }
    void enable(bool enabled) override { CGEventTapEnable(port_.get(), enabled); }
    bool isEnabled() const override { return CGEventTapIsEnabled(port_.get()); }
    CFMachPortRef port() const { return port_.get(); }

private:
    CFRef<CFMachPortRef> port_;
    std::unique_ptr<platform::TapCallback> callback_;  // the tap's user info
};

class MainRunLoopSource : public platform::RunLoopSource {
public:
    explicit MainRunLoopSource(CFRef<CFRunLoopSourceRef> source) : source_(std::move(source)) {}
    ~MainRunLoopSource() override {
        CFRunLoopRemoveSource(CFRunLoopGetMain(), source_.get(), kCFRunLoopCommonModes);
    }

private:
    CFRef<CFRunLoopSourceRef> source_;
};

class QuartzEventSource : public platform::EventSource {
public:
    explicit QuartzEventSource(CFRef<CGEventSourceRef> source) : source_(std::move(source)) {}

private:
    CFRef<CGEventSourceRef> source_;
};

ClockReading clocksNow() {
    mach_timebase_info_data_t timebase{};
    mach_timebase_info(&timebase);
    return {mach_absolute_time(), clock_gettime_nsec_np(CLOCK_UPTIME_RAW), timebase.numer,
            timebase.denom};
}

bool isKeyType(std::uint32_t eventType) {
    return eventType == type::kKeyDown || eventType == type::kKeyUp;
}

bool isMouseType(std::uint32_t eventType) {
    return (eventType >= kCGEventLeftMouseDown && eventType <= kCGEventRightMouseDragged) ||
           (eventType >= kCGEventOtherMouseDown && eventType <= kCGEventOtherMouseDragged);
}

// The fields the routing reads, by the type of event.
platform::Event eventFromQuartz(CGEventType eventType, CGEventRef event) {
    const auto number = static_cast<std::uint32_t>(eventType);
    if (event == nullptr || number == type::kTapDisabledByTimeout ||
        number == type::kTapDisabledByUserInput) {
        return platform::Event(number, {});
    }
    const CGPoint location = CGEventGetLocation(event);
    platform::Event seen(number, {location.x, location.y}, CGEventGetFlags(event));
    seen.timestamp = inputTimeOfQuartzStamp(CGEventGetTimestamp(event), clocksNow());
    const auto copyField = [&](int fieldNumber) {
        seen.setIntegerField(fieldNumber, CGEventGetIntegerValueField(
                                              event, static_cast<CGEventField>(fieldNumber)));
    };
    copyField(field::kSourceUserData);
    if (isKeyType(number)) {
        copyField(field::kKeyboardKeycode);
    } else if (number == type::kScrollWheel) {
        copyField(field::kScrollWheelDeltaAxis1);
    } else if (isMouseType(number)) {
        copyField(field::kMouseButtonNumber);
    }
    return seen;
}

CGEventRef tapped(CGEventTapProxy, CGEventType eventType, CGEventRef event, void* userInfo) {
    const auto& callback = *static_cast<const platform::TapCallback*>(userInfo);
    @autoreleasepool {
        const platform::Event seen = eventFromQuartz(eventType, event);
        return callback(seen.type, seen) == platform::TapResult::pass ? event : nullptr;
    }
}

CFRef<CGEventRef> quartzEvent(CGEventSourceRef source, const platform::Event& event) {
    if (isKeyType(event.type)) {
        CFRef<CGEventRef> key(CGEventCreateKeyboardEvent(
            source, static_cast<CGKeyCode>(event.integerField(field::kKeyboardKeycode)),
            event.type == type::kKeyDown));
        if (key) {
            CGEventSetFlags(key.get(), static_cast<CGEventFlags>(event.flags));  // exactly these
        }
        return key;
    }
    if (event.type == type::kScrollWheel) {
        const bool pixels = event.integerField(field::kScrollWheelEventIsContinuous) != 0;
        return CFRef<CGEventRef>(CGEventCreateScrollWheelEvent(
            source, pixels ? kCGScrollEventUnitPixel : kCGScrollEventUnitLine, 1,
            static_cast<std::int32_t>(event.integerField(field::kScrollWheelDeltaAxis1))));
    }
    CFRef<CGEventRef> mouse(CGEventCreateMouseEvent(
        source, static_cast<CGEventType>(event.type),
        CGPointMake(event.location.x, event.location.y),
        static_cast<CGMouseButton>(event.integerField(field::kMouseButtonNumber))));
    if (mouse && event.flags != 0) {
        CGEventSetFlags(mouse.get(), static_cast<CGEventFlags>(event.flags));
    }
    return mouse;
}

}  // namespace

std::unique_ptr<platform::EventTap> MacEventServices::createSessionTap(
    std::uint64_t eventMask, platform::TapCallback callback) {
    checkMainThread("createSessionTap");
    auto userInfo = std::make_unique<platform::TapCallback>(std::move(callback));
    CFRef<CFMachPortRef> port(CGEventTapCreate(kCGSessionEventTap, kCGHeadInsertEventTap,
                                               kCGEventTapOptionDefault, eventMask, tapped,
                                               userInfo.get()));
    if (!port) {
        return nullptr;  // refused: no accessibility permission
    }
    return std::make_unique<QuartzEventTap>(std::move(port), std::move(userInfo));
}

std::unique_ptr<platform::RunLoopSource> MacEventServices::addTapToMainRunLoop(
    platform::EventTap& tap) {
    checkMainThread("addTapToMainRunLoop");
    auto* quartzTap = dynamic_cast<QuartzEventTap*>(&tap);
    if (quartzTap == nullptr) {
        return nullptr;
    }
    CFRef<CFRunLoopSourceRef> source(
        CFMachPortCreateRunLoopSource(kCFAllocatorDefault, quartzTap->port(), 0));
    if (!source) {
        return nullptr;
    }
    // The common modes: the tap keeps working while a menu is open or an alert runs.
    CFRunLoopAddSource(CFRunLoopGetMain(), source.get(), kCFRunLoopCommonModes);
    return std::make_unique<MainRunLoopSource>(std::move(source));
}

bool MacEventServices::isKeyDown(std::uint16_t keyCode) const {
    return CGEventSourceKeyState(kCGEventSourceStateCombinedSessionState, keyCode);
}

std::uint16_t MacEventServices::keyCode(platform::Key key) const {
    switch (key) {
        case platform::Key::m:
            break;
    }
    return keys::kM;
}

std::unique_ptr<platform::EventSource> MacEventServices::createEventSource() {
    CFRef<CGEventSourceRef> source(CGEventSourceCreate(kCGEventSourceStateCombinedSessionState));
    if (!source) {
        return nullptr;
    }
    return std::make_unique<QuartzEventSource>(std::move(source));
}

std::optional<platform::Event> MacEventServices::createKeyboardEvent(const platform::EventSource&,
                                                                     std::uint16_t keyCode,
                                                                     bool keyDown) {
    return platform::Event::keyboard(keyCode, keyDown);
}

std::optional<platform::Event> MacEventServices::createMouseEvent(const platform::EventSource&,
                                                                  std::uint32_t eventType,
                                                                  Point location, int button) {
    return platform::Event::mouse(eventType, location, button);
}

std::optional<platform::Event> MacEventServices::createScrollWheelEvent(
    const platform::EventSource&, platform::ScrollUnit units, std::uint32_t wheelCount,
    std::int32_t delta) {
    if (wheelCount != 1) {
        return std::nullopt;  // the program turns one wheel only
    }
    return platform::Event::scrollWheel(delta, units == platform::ScrollUnit::pixel);
}

// Each event is made from a source of the combined session state, posted at the HID event
// tap and released within the call.
void MacEventServices::post(const platform::Event& event) {
    CFRef<CGEventSourceRef> source(CGEventSourceCreate(kCGEventSourceStateCombinedSessionState));
    if (!source) {
        return;
    }
    CFRef<CGEventRef> quartz = quartzEvent(source.get(), event);
    if (!quartz) {
        return;
    }
    const std::int64_t marker = event.integerField(field::kSourceUserData);
    if (marker != 0) {
        CGEventSetIntegerValueField(quartz.get(), kCGEventSourceUserData, marker);
    }
    CGEventPost(kCGHIDEventTap, quartz.get());
}

void MacEventServices::postOwn(const platform::Event& event) {
    platform::Event marked = event;
    marked.setIntegerField(field::kSourceUserData, kSyntheticEventMarker);
    post(marked);
}

bool MacEventServices::isOwn(const platform::Event& event) const {
    return event.integerField(field::kSourceUserData) == kSyntheticEventMarker;
}

bool MacEventServices::postSystemDefined(const platform::SystemDefinedEvent& event) {
    @autoreleasepool {
        NSEvent* made =
            [NSEvent otherEventWithType:NSEventTypeSystemDefined
                               location:NSMakePoint(event.location.x, event.location.y)
                          modifierFlags:static_cast<NSEventModifierFlags>(event.modifierFlags)
                              timestamp:event.timestamp
                           windowNumber:event.windowNumber
                                context:nil
                                subtype:static_cast<short>(event.subtype)
                                  data1:static_cast<NSInteger>(event.data1)
                                  data2:static_cast<NSInteger>(event.data2)];
        CGEventRef quartz = made.CGEvent;  // owned by the application-kit event
        if (quartz == nullptr) {
            return false;
        }
        CGEventPost(kCGHIDEventTap, quartz);
        return true;
    }
}

}  // namespace velmor::macos
