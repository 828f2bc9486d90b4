#include "gestures/synthetic_input.h"
#include "input/excluded_applications.h"
#include "input/middle_click.h"
#include "input/mouse_controller.h"
#include "input/volume_wheel.h"

namespace velmor {

namespace {

using platform::TapResult;
namespace type = platform::event_type;
namespace field = platform::event_field;

constexpr std::int64_t kMiddleButton = 2;
constexpr platform::InputTime kVolumeStepMinimumInterval =
    110 * platform::kNanosecondsPerMillisecond;

}  // namespace

TapResult VLMouseController::handleEvent(std::uint32_t eventType, const platform::Event& event) {
    if (eventType == type::kTapDisabledByTimeout || eventType == type::kTapDisabledByUserInput) {
        if (eventTap_) {
            eventTap_->enable(true);
        }
        return TapResult::pass;
    }
    if (platform_.events().isOwn(event)) {
        return TapResult::pass;
    }
    switch (eventType) {
        case type::kKeyDown:
        case type::kKeyUp:
            return routeKey(eventType, event);
        case type::kRightMouseDown:
            return routeRightDown(event);
        case type::kRightMouseUp:
            return routeRightUp(event);
        case type::kRightMouseDragged:
            if (!rightDown_) {
                return TapResult::pass;
            }
            recordGesturePoint(event.location, event.timestamp);
            return TapResult::swallow;
        case type::kScrollWheel:
            return routeScrollWheel(event);
        case type::kOtherMouseDown:
            return routeOtherMouseDown(event);
        case type::kOtherMouseUp:
            return routeOtherMouseUp(event);
        default:
            return TapResult::pass;
    }
}

TapResult VLMouseController::routeKey(std::uint32_t eventType, const platform::Event& event) {
    const auto& events = platform_.events();
    if (event.integerField(field::kKeyboardKeycode) != events.keyCode(platform::Key::m)) {
        return TapResult::pass;
    }
    if (eventType == type::kKeyDown && rightDown_) {
        stroke_.mComboActive = true;
        suppressMKeyUp_ = true;
        return TapResult::swallow;
    }
    if (eventType == type::kKeyUp && suppressMKeyUp_) {
        suppressMKeyUp_ = false;
        return TapResult::swallow;
    }
    return TapResult::pass;
}

TapResult VLMouseController::routeRightDown(const platform::Event& event) {
    std::optional<platform::RunningApplication> front =
        platform_.workspace().frontmostApplication();
    // Decided once at the press: the whole hold belongs to the application it began in.
    passingHold_ = isExcluded(front);
    if (passingHold_) {
        rightDown_ = false;
        return TapResult::pass;
    }
    rightDown_ = true;
    volumeWheelUsed_ = false;
    middleComboUsed_ = false;
    beginGesture(event.location, std::move(front));
    return TapResult::swallow;
}

bool VLMouseController::isExcluded(const std::optional<platform::RunningApplication>& app) const {
    return app && app->applicationId &&
           VLIsExcludedApplication(platform_.defaults(), *app->applicationId);
}

TapResult VLMouseController::routeRightUp(const platform::Event& event) {
    if (passingHold_) {
        passingHold_ = false;
        return TapResult::pass;
    }
    if (!rightDown_) {
        return TapResult::pass;
    }
    rightDown_ = false;
    if (!volumeWheelUsed_ && !middleComboUsed_) {
        finishGestureAtPoint(event.location, event.timestamp);
    } else {
        volumeWheelUsed_ = false;
        middleComboUsed_ = false;
    }
    return TapResult::swallow;
}

TapResult VLMouseController::routeScrollWheel(const platform::Event& event) {
    if (!rightDown_) {
        return TapResult::pass;
    }
    volumeWheelUsed_ = true;
    makeVolumeStepIfGateAllows(event);
    return TapResult::swallow;
}

void VLMouseController::makeVolumeStepIfGateAllows(const platform::Event& event) {
    // Unsigned: an event stamped before the last step (another device's clock) passes.
    const platform::InputTime now = event.timestamp;
    if (now - volumeWheelLastTick_ < kVolumeStepMinimumInterval) {
        return;
    }
    const std::int64_t delta = event.integerField(field::kScrollWheelDeltaAxis1);
    if (delta == 0) {
        return;
    }
    volumeWheelLastTick_ = now;
    const bool reverse = platform_.defaults().boolean(kVolumeWheelReverseDirectionKey);
    const bool louder = reverse ? delta > 0 : delta < 0;
    VLVolumeWheelAdjust(platform_, louder);
}

TapResult VLMouseController::routeOtherMouseDown(const platform::Event& event) {
    if (event.integerField(field::kMouseButtonNumber) != kMiddleButton) {
        return TapResult::pass;
    }
    // Its release is passed too, even after the hold ended, so it never becomes a capture.
    passMiddleUp_ = passingHold_ || (!rightDown_ && !VLMiddleClickAloneCaptures(platform_));
    if (passMiddleUp_) {
        return TapResult::pass;
    }
    if (rightDown_) {
        middleComboPressed_ = true;
        middleComboUsed_ = true;
    }
    return TapResult::swallow;
}

TapResult VLMouseController::routeOtherMouseUp(const platform::Event& event) {
    if (event.integerField(field::kMouseButtonNumber) != kMiddleButton) {
        return TapResult::pass;
    }
    if (passMiddleUp_ || passingHold_) {
        passMiddleUp_ = false;
        return TapResult::pass;
    }
    if (!middleComboPressed_ && !rightDown_) {
        platform_.systemActions().pressShortcut(platform::Shortcut::areaScreenshot);
        return TapResult::swallow;
    }
    middleComboPressed_ = false;
    middleComboUsed_ = true;
    platform_.scheduler().asyncMain([&platform = platform_] {
        platform.systemActions().pressMediaKey(platform::MediaKey::playPause);
    });
    return TapResult::swallow;
}

}  // namespace velmor
