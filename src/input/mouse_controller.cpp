#include "input/mouse_controller.h"

#include "gestures/gesture_dispatch.h"

namespace velmor {

namespace {
constexpr double kTapWatchdogInterval = 1.0;
}

VLMouseController::VLMouseController(platform::Platform& platform) : platform_(platform) {}

// Members go in reverse order: the watchdog, then the run-loop source, then the tap.
VLMouseController::~VLMouseController() = default;

bool VLMouseController::start() {
    if (eventTap_) {
        ensureEventTapEnabled();
        return true;
    }
    auto& events = platform_.events();
    eventTap_ = events.createSessionTap(kTapEventMask,
                                        [this](std::uint32_t type, const platform::Event& event) {
                                            return handleEvent(type, event);
                                        });
    if (!eventTap_) {
        return false;
    }
    runLoopSource_ = events.addTapToMainRunLoop(*eventTap_);
    if (!runLoopSource_) {
        eventTap_.reset();
        return false;
    }
    eventTap_->enable(true);
    // Nothing to watch where the system never switches a tap off: no wake-up for nothing.
    if (eventTap_->systemMayDisable()) {
        tapWatchdog_ = platform_.scheduler().scheduleRepeatingTimer(
            kTapWatchdogInterval, [this] { tapWatchdogFired(); },
            platform::TimerMode::pausesDuringModal);
    }
    return eventTap_->isEnabled();
}

void VLMouseController::ensureEventTapEnabled() {
    if (eventTap_ && !eventTap_->isEnabled()) {
        eventTap_->enable(true);
    }
}

void VLMouseController::tapWatchdogFired() {
    ensureEventTapEnabled();
}

void VLMouseController::finishGestureAtPoint(Point point, platform::InputTime time) {
    recordGesturePoint(point, time);
    GestureDispatch(platform_, stroke_).run(point);
}

bool VLMouseController::isEventTapEnabled() const {
    return eventTap_ && eventTap_->isEnabled();
}

}  // namespace velmor
