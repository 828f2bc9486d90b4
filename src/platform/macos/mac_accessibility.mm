#include "platform/macos/mac_accessibility.h"

#include <ApplicationServices/ApplicationServices.h>
#import <Foundation/Foundation.h>

#include "platform/macos/cf_ref.h"
#include "platform/macos/foundation_text.h"

namespace velmor::macos {

namespace {

constexpr std::size_t kKeptWindows = 8;

void* retainElement(void* element) {
    return const_cast<void*>(CFRetain(element));
}

void releaseElement(void* element) {
    CFRelease(element);
}

// Released when it goes, like every element the program makes.
CFRef<AXUIElementRef> keptWindow(const HandleTable& windows, const platform::WindowElement& window,
                                 double timeout) {
    CFRef<AXUIElementRef> element(static_cast<AXUIElementRef>(windows.copy(window.id)));
    if (element) {
        AXUIElementSetMessagingTimeout(element.get(), static_cast<float>(timeout));
    }
    return element;
}

}  // namespace

MacAccessibility::MacAccessibility() : windows_(kKeptWindows, retainElement, releaseElement) {}

bool MacAccessibility::hasInputPermission() {
    return AXIsProcessTrusted();
}

bool MacAccessibility::checkInputPermission(bool askUser) {
    @autoreleasepool {
        NSDictionary* options = @{(__bridge NSString*)kAXTrustedCheckOptionPrompt : @(askUser)};
        return AXIsProcessTrustedWithOptions((__bridge CFDictionaryRef)options);
    }
}

std::optional<platform::WindowElement> MacAccessibility::focusedWindow(std::int32_t pid,
                                                                       double timeout) {
    CFRef<AXUIElementRef> application(AXUIElementCreateApplication(pid));
    if (!application) {
        return std::nullopt;
    }
    AXUIElementSetMessagingTimeout(application.get(), static_cast<float>(timeout));
    CFTypeRef window = nullptr;
    if (AXUIElementCopyAttributeValue(application.get(), kAXFocusedWindowAttribute, &window) !=
            kAXErrorSuccess ||
        window == nullptr) {
        return std::nullopt;
    }
    if (CFGetTypeID(window) != AXUIElementGetTypeID()) {
        CFRelease(window);
        return std::nullopt;
    }
    return platform::WindowElement{pid, windows_.add(const_cast<void*>(window))};
}

std::optional<std::string> MacAccessibility::windowTitle(const platform::WindowElement& window,
                                                         double timeout) {
    const CFRef<AXUIElementRef> element = keptWindow(windows_, window, timeout);
    if (!element) {
        return std::nullopt;
    }
    CFTypeRef title = nullptr;
    if (AXUIElementCopyAttributeValue(element.get(), kAXTitleAttribute, &title) !=
            kAXErrorSuccess ||
        title == nullptr) {
        return std::nullopt;
    }
    const CFRef<CFTypeRef> ownedTitle(title);
    if (CFGetTypeID(title) != CFStringGetTypeID()) {
        return std::nullopt;
    }
    @autoreleasepool {
        return utf8Text((__bridge NSString*)title);
    }
}

bool MacAccessibility::setMinimized(const platform::WindowElement& window, bool minimized,
                                    double timeout) {
    const CFRef<AXUIElementRef> element = keptWindow(windows_, window, timeout);
    if (!element) {
        return false;
    }
    return AXUIElementSetAttributeValue(element.get(), kAXMinimizedAttribute,
                                        minimized ? kCFBooleanTrue : kCFBooleanFalse) ==
           kAXErrorSuccess;
}

}  // namespace velmor::macos
