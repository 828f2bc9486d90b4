#include "gestures/gesture_dispatch.h"
#include "gestures/synthetic_input.h"

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

void GestureDispatch::minimizeGestureTargetWindow() {
    if (!stroke_.gestureTargetApp ||
        platform_.workspace().isTerminated(*stroke_.gestureTargetApp)) {
        return;
    }
    platform_.scheduler().asyncUserInitiated(
        [&platform = platform_, pid = stroke_.gestureTargetApp->pid] {
            minimizeFocusedWindow(platform, pid);
        });
}

void GestureDispatch::terminateGestureTargetApplication() {
    auto& workspace = platform_.workspace();
    const std::string ownApplicationId = workspace.ownApplicationId();
    if (stroke_.gestureTargetApp && stroke_.gestureTargetApp->applicationId != ownApplicationId) {
        workspace.terminate(*stroke_.gestureTargetApp);
        return;
    }
    // This program cannot be asked to quit itself from inside its own callback; the
    // shortcut reaches whatever is frontmost now.
    platform_.systemActions().pressShortcut(platform::Shortcut::quitFrontmost);
}

}  // namespace velmor
