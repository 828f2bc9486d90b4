#pragma once

#include <string>

namespace velmor::platform {

// Keyboard shortcuts the gestures ask for; each backend knows its own keys for them.
enum class Shortcut {
    browserBack,
    browserForward,
    newTab,
    closeTab,
    refresh,
    quitFrontmost,
    areaScreenshot,
};

enum class MediaKey { playPause, next, previous };

// What showing the desktop came to, for the log line.
struct ShowDesktopOutcome {
    int exitStatus = -1;  // -1 when the mechanism could not be started
    std::string detail;   // what it said, or why it could not start
};

// Intents that a backend carries out with its own mechanism.
class SystemActions {
public:
    virtual ~SystemActions() = default;

    // Presses and releases the shortcut for the frontmost application, with exactly its
    // modifiers whatever the user holds. Any thread.
    virtual void pressShortcut(Shortcut shortcut) = 0;
    // Presses and releases a media key. Any thread.
    virtual void pressMediaKey(MediaKey key) = 0;
    // Steps the output volume one step up or down and waits until done: background
    // queues only. A step that cannot be made is lost.
    virtual void stepOutputVolume(bool louder) = 0;
    // Shows the desktop and waits until done: background queues only.
    virtual ShowDesktopOutcome showDesktop() = 0;
};

}  // namespace velmor::platform
