#include <array>
#include <cmath>

#include "core/string_format.h"
#include "core/value.h"
#include "gestures/browser_actions.h"
#include "gestures/gesture_log.h"
#include "gestures/help_notification.h"
#include "gestures/synthetic_input.h"
#include "input/mouse_controller.h"
#include "letters/letter_recognition.h"
#include "letters/letter_store.h"

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

void VLMouseController::finishGestureAtPoint(Point release) {
    recordGesturePoint(release);
    if (trainingStep()) {
        return;
    }
    const int circle = circleLaunchDirection();
    if (letterStep() || handwrittenMStep() || circleStep(circle) || headShakeStep(release) ||
        twoSegmentStep() || singleDirectionStep(release)) {
        return;
    }
    VLPostRightClick(platform_, release);
}

bool VLMouseController::trainingStep() {
    const auto& defaults = platform_.defaults();
    const auto letter = defaults.string(defaults_key::kStudioTrainingLetter);
    const std::int64_t remaining = defaults.integer(defaults_key::kStudioTrainingRemaining);
    if (!letter || utf16Length(*letter) != 1 || remaining < 1) {
        return false;
    }
    VLTrainLetterStroke(platform_, *letter, remaining, trace_);
    return true;
}

bool VLMouseController::letterStep() {
    if (mComboActive_) {
        return false;
    }
    const auto letter = VLMatchAlphabetStroke(platform_, trace_);
    if (!letter) {
        return false;
    }
    VLLaunchLetterApplication(platform_, VLLetterAction(platform_.defaults(), *letter));
    return true;
}

bool VLMouseController::handwrittenMStep() {
    if (mComboActive_ || VLLetterSamples(platform_.defaults(), "M")) {
        return false;
    }
    double error = 99.0;
    double width = 0.0;
    double height = 0.0;
    const bool matched = VLIsHandwrittenM(trace_, &error, &width, &height);
    const bool nearMiss = width >= kNearMissWidth && height >= kNearMissHeight &&
                          trace_.size() >= kNearMissPoints && error < kNearMissError;
    if (matched || nearMiss) {
        VLLogHandwrittenMAttempt(platform_, matched, error, width, height);
    }
    if (!matched) {
        return false;
    }
    VLLaunchLetterApplication(platform_, std::string(kMusicApplicationPath));
    return true;
}

bool VLMouseController::circleStep(int circle) {
    if (circle == 1) {
        platform_.scheduler().asyncMain([&platform = platform_] {
            platform.workspace().launchApplication("System Preferences");
        });
        return true;
    }
    if (circle == -1) {
        VLStudioLog(platform_, "gesture=CCW-circle unassigned (alphabet match not found)");
        return true;
    }
    return false;
}

bool VLMouseController::headShakeStep(Point release) {
    const bool shake = hasDirections(kShakeA, kMinimumSegmentLength) ||
                       hasDirections(kShakeB, kMinimumSegmentLength);
    if (!shake || std::fabs(release.y - startPoint_.y) >= kHeadShakeVerticalTolerance) {
        return false;
    }
    platform_.scheduler().asyncMain([&platform = platform_] {
        platform.notifications().post(std::string(kShowHelpNotification), std::nullopt);
    });
    return true;
}

bool VLMouseController::twoSegmentStep() {
    if (hasDirections(kMinimise, kMinimumSegmentLength)) {
        minimizeGestureTargetWindow();
    } else if (hasDirections(kCloseTab, kMinimumSegmentLength)) {
        VLPostKey(platform_, keys::kW, keys::kCommand);
    } else if (hasDirections(kQuit, kMinimumSegmentLength)) {
        terminateGestureTargetApplication();
    } else if (hasDirections(kNewTab, kMinimumSegmentLength)) {
        if (mComboActive_) {
            platform_.scheduler().asyncMain(
                [&platform = platform_] { platform.workspace().launchApplication("Notes"); });
        } else {
            VLPostKey(platform_, keys::kT, keys::kCommand);
        }
    } else if (hasDirections(kDownUp, kMinimumSegmentLength)) {
        downUpVariant();
    } else if (hasDirections(kCapture, kMinimumSegmentLength)) {
        VLPostKey(platform_, keys::k4, keys::kCommandShift);
    } else {
        return false;
    }
    return true;
}

void VLMouseController::downUpVariant() {
    const bool kick = kickPauseDetected_ && downwardTravel_ >= kKickMinimumTravel;
    // The line is written before acting, so it survives whatever the action does.
    VLAppendToGestureLog(
        platform_,
        formatString("%s: gesture=down-up pause=%.3fs down=%.1f up=%.1f result=%s\n",
                     VLLogTimestamp(platform_).c_str(), kickMeasuredPause_, downwardTravel_,
                     upwardTravel_, kick ? "SHOW_DESKTOP_F13" : "REFRESH_CMD_R"));
    if (kick) {
        VLShowDesktopViaAppleScript(platform_);
    } else {
        VLPostKey(platform_, keys::kR, keys::kCommand);
    }
}

bool VLMouseController::singleDirectionStep(Point release) {
    const double dx = release.x - startPoint_.x;
    const double dy = release.y - startPoint_.y;
    if (std::hypot(dx, dy) < kSingleDirectionMinimum) {
        return false;
    }
    if (std::fabs(dx) >= kAxisDominance * std::fabs(dy)) {
        const bool forward = dx > 0;
        if (VLIsForegroundBrowser(gestureTargetApp_)) {
            platform_.scheduler().asyncUserInitiated(
                [&platform = platform_, application = gestureTargetApp_, forward] {
                    VLBrowserPageStep(platform, application, forward);
                });
        } else {
            VLPostMediaKey(platform_, forward ? media::kNext : media::kPrevious);
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
