#include "gestures/gesture_dispatch.h"

#include <array>
#include <cmath>

#include "core/string_format.h"
#include "core/value.h"
#include "gestures/browser_actions.h"
#include "gestures/help_notification.h"
#include "gestures/synthetic_input.h"
#include "letters/letter_recognition.h"
#include "letters/letter_store.h"
#include "log/gesture_log.h"

namespace velmor {

namespace {

constexpr double kMinimumSegmentLength = 34.0;
constexpr double kHeadShakeVerticalTolerance = 85.0;
constexpr double kSingleDirectionMinimum = 45.0;
constexpr double kAxisDominance = 1.15;
constexpr double kKickMinimumTravel = 40.0;

constexpr std::array<int, 4> kShakeA{direction::kLeft, direction::kRight, direction::kLeft,
                                     direction::kRight};
constexpr std::array<int, 4> kShakeB{direction::kRight, direction::kLeft, direction::kRight,
                                     direction::kLeft};
constexpr std::array<int, 2> kMinimise{direction::kRight, direction::kDown};
constexpr std::array<int, 2> kCloseTab{direction::kDown, direction::kRight};
constexpr std::array<int, 2> kQuit{direction::kDown, direction::kLeft};
constexpr std::array<int, 2> kNewTab{direction::kLeft, direction::kUp};
constexpr std::array<int, 2> kDownUp{direction::kDown, direction::kUp};
constexpr std::array<int, 2> kCapture{direction::kUp, direction::kDown};

// Handwritten-M attempts worth a log line even when they were not accepted.
constexpr double kNearMissWidth = 75.0;
constexpr double kNearMissHeight = 60.0;
constexpr std::size_t kNearMissPoints = 14;
constexpr double kNearMissError = 0.45;

}  // namespace

void GestureDispatch::run(Point release) {
    if (trainingStep()) {
        return;
    }
    const int circle = VLCircleLaunchDirection(stroke_.trace);
    if (letterStep() || handwrittenMStep() || circleStep(circle) || headShakeStep(release) ||
        twoSegmentStep() || singleDirectionStep(release)) {
        return;
    }
    VLPostRightClick(platform_, release);
}

bool GestureDispatch::trainingStep() {
    const auto& defaults = platform_.defaults();
    const auto letter = defaults.string(defaults_key::kStudioTrainingLetter);
    const std::int64_t remaining = defaults.integer(defaults_key::kStudioTrainingRemaining);
    if (!letter || utf16Length(*letter) != 1 || remaining < 1) {
        return false;
    }
    VLTrainLetterStroke(platform_, *letter, remaining, stroke_.trace);
    return true;
}

bool GestureDispatch::letterStep() {
    if (stroke_.mComboActive) {
        return false;
    }
    const auto letter = VLMatchAlphabetStroke(platform_, stroke_.trace);
    if (!letter) {
        return false;
    }
    VLLaunchLetterApplication(platform_, VLLetterAction(platform_, *letter));
    return true;
}

bool GestureDispatch::handwrittenMStep() {
    if (stroke_.mComboActive || VLLetterSamples(platform_.defaults(), "M")) {
        return false;
    }
    double error = 99.0;
    double width = 0.0;
    double height = 0.0;
    const bool matched = VLIsHandwrittenM(stroke_.trace, &error, &width, &height);
    const bool nearMiss = width >= kNearMissWidth && height >= kNearMissHeight &&
                          stroke_.trace.size() >= kNearMissPoints && error < kNearMissError;
    if (matched || nearMiss) {
        VLLogHandwrittenMAttempt(platform_, matched, error, width, height);
    }
    if (!matched) {
        return false;
    }
    VLLaunchLetterApplication(platform_, platform_.workspace().wellKnownApplicationPath(
                                             platform::WellKnownApplication::music));
    return true;
}

bool GestureDispatch::circleStep(int circle) {
    if (circle == 1) {
        platform_.scheduler().asyncMain([&platform = platform_] {
            platform.workspace().launchWellKnownApplication(
                platform::WellKnownApplication::systemSettings);
        });
        return true;
    }
    if (circle == -1) {
        VLStudioLog(platform_, "gesture=CCW-circle unassigned (alphabet match not found)");
        return true;
    }
    return false;
}

bool GestureDispatch::headShakeStep(Point release) {
    const bool shake = hasDirections(kShakeA, kMinimumSegmentLength) ||
                       hasDirections(kShakeB, kMinimumSegmentLength);
    if (!shake || std::fabs(release.y - stroke_.startPoint.y) >= kHeadShakeVerticalTolerance) {
        return false;
    }
    platform_.scheduler().asyncMain([&platform = platform_] {
        platform.notifications().post(std::string(kShowHelpNotification), std::nullopt);
    });
    return true;
}

bool GestureDispatch::twoSegmentStep() {
    if (hasDirections(kMinimise, kMinimumSegmentLength)) {
        minimizeGestureTargetWindow();
    } else if (hasDirections(kCloseTab, kMinimumSegmentLength)) {
        platform_.systemActions().pressShortcut(platform::Shortcut::closeTab);
    } else if (hasDirections(kQuit, kMinimumSegmentLength)) {
        terminateGestureTargetApplication();
    } else if (hasDirections(kNewTab, kMinimumSegmentLength)) {
        if (stroke_.mComboActive) {
            platform_.scheduler().asyncMain([&platform = platform_] {
                platform.workspace().launchWellKnownApplication(
                    platform::WellKnownApplication::notes);
            });
        } else {
            platform_.systemActions().pressShortcut(platform::Shortcut::newTab);
        }
    } else if (hasDirections(kDownUp, kMinimumSegmentLength)) {
        downUpVariant();
    } else if (hasDirections(kCapture, kMinimumSegmentLength)) {
        platform_.systemActions().pressShortcut(platform::Shortcut::areaScreenshot);
    } else {
        return false;
    }
    return true;
}

void GestureDispatch::downUpVariant() {
    const bool kick = stroke_.kickPauseDetected && stroke_.downwardTravel >= kKickMinimumTravel;
    // The line is written before acting, so it survives whatever the action does.
    VLAppendToGestureLog(
        platform_, formatString("%s: gesture=down-up pause=%.3fs down=%.1f up=%.1f result=%s\n",
                                VLLogTimestamp(platform_).c_str(), stroke_.kickMeasuredPause,
                                stroke_.downwardTravel, stroke_.upwardTravel,
                                kick ? "SHOW_DESKTOP_F13" : "REFRESH_CMD_R"));
    if (kick) {
        VLShowDesktopViaAppleScript(platform_);
    } else {
        platform_.systemActions().pressShortcut(platform::Shortcut::refresh);
    }
}

bool GestureDispatch::singleDirectionStep(Point release) {
    const double dx = release.x - stroke_.startPoint.x;
    const double dy = release.y - stroke_.startPoint.y;
    if (std::hypot(dx, dy) < kSingleDirectionMinimum) {
        return false;
    }
    if (std::fabs(dx) >= kAxisDominance * std::fabs(dy)) {
        const bool forward = dx > 0;
        if (VLIsForegroundBrowser(platform_, stroke_.gestureTargetApp)) {
            platform_.scheduler().asyncUserInitiated(
                [&platform = platform_, application = stroke_.gestureTargetApp, forward] {
                    VLBrowserPageStep(platform, application, forward);
                });
        } else {
            platform_.systemActions().pressMediaKey(forward ? platform::MediaKey::next
                                                            : platform::MediaKey::previous);
        }
        return true;
    }
    if (std::fabs(dy) >= kAxisDominance * std::fabs(dx)) {
        VLScrollToEdge(platform_, dy < 0);
        return true;
    }
    return false;
}

}  // namespace velmor
