#include "gestures/synthetic_input.h"

#include <string>

#include "core/text.h"
#include "log/gesture_log.h"

namespace velmor {

namespace {

constexpr int kScrollBurstEvents = 140;
constexpr std::int32_t kScrollBurstDelta = 2000;
constexpr unsigned kScrollBurstSpacingMicroseconds = 1800;
constexpr int kRightMouseButton = 1;

void postOwn(platform::EventServices& events, std::optional<platform::Event> event) {
    if (event) {
        events.postOwn(*event);
    }
}

void runScrollBurst(platform::Platform& platform, bool toTop) {
    auto& events = platform.events();
    const auto source = events.createEventSource();
    if (!source) {
        return;
    }
    const std::int32_t delta = toTop ? kScrollBurstDelta : -kScrollBurstDelta;
    for (int i = 0; i < kScrollBurstEvents; ++i) {
        if (auto event =
                events.createScrollWheelEvent(*source, platform::ScrollUnit::pixel, 1, delta)) {
            events.post(*event);
        }
        platform.scheduler().sleepMicroseconds(kScrollBurstSpacingMicroseconds);
    }
}

void runShowDesktop(platform::Platform& platform) {
    const platform::ShowDesktopOutcome outcome = platform.systemActions().showDesktop();
    VLAppendToGestureLog(platform, VLLogTimestamp(platform) + ": action=F13_APPLESCRIPT exit=" +
                                       std::to_string(outcome.exitStatus) +
                                       " detail=" + showDesktopDetail(outcome.detail) + "\n");
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
    postOwn(events, std::move(down));
    postOwn(events, std::move(up));
}

void VLScrollToEdge(platform::Platform& platform, bool toTop) {
    platform.scheduler().asyncUserInitiated(
        [&platform, toTop] { runScrollBurst(platform, toTop); });
}

void VLShowDesktopViaAppleScript(platform::Platform& platform) {
    platform.scheduler().asyncUserInitiated([&platform] { runShowDesktop(platform); });
}

}  // namespace velmor
