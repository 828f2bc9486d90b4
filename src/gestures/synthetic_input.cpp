#include "gestures/synthetic_input.h"

#include <string>

#include "core/text.h"
#include "log/gesture_log.h"

namespace velmor {

namespace {

constexpr int kAuxControlButtonsSubtype = 8;
constexpr std::int64_t kMediaKeyDownState = 0xA;
constexpr std::int64_t kMediaKeyUpState = 0xB;
constexpr int kScrollBurstEvents = 140;
constexpr std::int32_t kScrollBurstDelta = 2000;
constexpr unsigned kScrollBurstSpacingMicroseconds = 1800;
constexpr int kRightMouseButton = 1;

void postWithFlags(platform::EventServices& events, std::optional<platform::Event> event,
                   std::uint64_t flags) {
    if (!event) {
        return;
    }
    event->flags = flags;  // replaces every flag: held modifiers must not leak in
    events.post(*event);
}

void postMarked(platform::EventServices& events, std::optional<platform::Event> event) {
    if (!event) {
        return;
    }
    event->setIntegerField(platform::event_field::kSourceUserData, kSyntheticEventMarker);
    events.post(*event);
}

void runScrollBurst(platform::Platform& platform, bool toTop) {
    auto& events = platform.events();
    const auto source = events.createEventSource();
    if (!source) {
        return;
    }
    const std::int32_t delta = toTop ? kScrollBurstDelta : -kScrollBurstDelta;
    for (int i = 0; i < kScrollBurstEvents; ++i) {
        if (auto event = events.createScrollWheelEvent(*source, delta)) {
            events.post(*event);
        }
        platform.scheduler().sleepMicroseconds(kScrollBurstSpacingMicroseconds);
    }
}

void runShowDesktopScript(platform::Platform& platform) {
    platform::ProcessRequest request;
    request.path = "/usr/bin/osascript";
    request.arguments = {"-e", "tell application \"System Events\" to key code 105"};
    request.pipeStandardError = true;
    const auto outcome = platform.processes().runAndWait(request);

    std::string detail;
    if (outcome.launched && !outcome.failureReason) {
        detail = isValidUtf8(outcome.standardError) ? outcome.standardError : std::string();
    } else {
        detail = outcome.failureReason.value_or("osascript launch failed");
    }
    const int exitStatus = outcome.launched ? outcome.exitStatus : -1;
    VLAppendToGestureLog(platform, VLLogTimestamp(platform) + ": action=F13_APPLESCRIPT exit=" +
                                       std::to_string(exitStatus) +
                                       " detail=" + showDesktopDetail(detail) + "\n");
}

}  // namespace

std::string showDesktopDetail(std::string_view standardError) {
    std::string text = trimmedOfWhitespaceAndNewlines(standardError);
    std::string joined;
    for (char c : text) {
        if (c == '\n') {
            joined += " | ";
        } else {
            joined += c;
        }
    }
    return joined;
}

void VLPostKey(platform::Platform& platform, std::uint16_t keyCode, std::uint64_t flags) {
    auto& events = platform.events();
    const auto source = events.createEventSource();
    if (!source) {
        return;
    }
    auto keyDown = events.createKeyboardEvent(*source, keyCode, true);
    auto keyUp = events.createKeyboardEvent(*source, keyCode, false);
    postWithFlags(events, std::move(keyDown), flags);
    postWithFlags(events, std::move(keyUp), flags);
}

void VLPostMediaKey(platform::Platform& platform, int mediaKeyType) {
    for (const std::int64_t state : {kMediaKeyDownState, kMediaKeyUpState}) {
        platform::SystemDefinedEvent event;
        event.subtype = kAuxControlButtonsSubtype;
        event.data1 = (static_cast<std::int64_t>(mediaKeyType) << 16) | (state << 8);
        event.data2 = -1;
        platform.events().postSystemDefined(event);
    }
}

void VLPostRightClick(platform::Platform& platform, Point point) {
    auto& events = platform.events();
    const auto source = events.createEventSource();
    if (!source) {
        return;
    }
    auto down = events.createMouseEvent(*source, platform::event_type::kRightMouseDown, point,
                                        kRightMouseButton);
    auto up = events.createMouseEvent(*source, platform::event_type::kRightMouseUp, point,
                                      kRightMouseButton);
    postMarked(events, std::move(down));
    postMarked(events, std::move(up));
}

void VLScrollToEdge(platform::Platform& platform, bool toTop) {
    platform.scheduler().asyncUserInitiated(
        [&platform, toTop] { runScrollBurst(platform, toTop); });
}

void VLShowDesktopViaAppleScript(platform::Platform& platform) {
    platform.scheduler().asyncUserInitiated([&platform] { runShowDesktopScript(platform); });
}

}  // namespace velmor
