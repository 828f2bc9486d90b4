#include "gestures/synthetic_input.h"
#include "input/mouse_controller.h"

namespace velmor {

namespace {

constexpr double kMinimizeMessagingTimeout = 0.5;

void minimizeFocusedWindow(platform::Platform& platform, std::int32_t pid) {
    auto& accessibility = platform.accessibility();
    const auto window = accessibility.focusedWindow(pid, kMinimizeMessagingTimeout);
    if (window) {
        accessibility.setMinimized(*window, true, kMinimizeMessagingTimeout);
    }
}

}  // namespace

void VLMouseController::minimizeGestureTargetWindow() {
    if (!gestureTargetApp_ || platform_.workspace().isTerminated(*gestureTargetApp_)) {
        return;
    }
    platform_.scheduler().asyncUserInitiated([&platform = platform_, pid = gestureTargetApp_->pid] {
        minimizeFocusedWindow(platform, pid);
    });
}

void VLMouseController::terminateGestureTargetApplication() {
    auto& workspace = platform_.workspace();
    const std::string ownBundleIdentifier = workspace.ownBundleIdentifier();
    if (gestureTargetApp_ && gestureTargetApp_->bundleIdentifier != ownBundleIdentifier) {
        workspace.terminate(*gestureTargetApp_);
        return;
    }
    // This program cannot be asked to quit itself from inside its own callback; the
    // shortcut reaches whatever is frontmost now.
    VLPostKey(platform_, keys::kQ, keys::kCommand);
}

}  // namespace velmor
