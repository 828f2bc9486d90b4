#pragma once

#include <X11/Xlib.h>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>

#include "platform/processes.h"
#include "platform/system_actions.h"
#include "platform/x11/display.h"
#include "platform/x11/media_players.h"
#include "platform/x11/modifier_keys.h"
#include "platform/x11/output_volume.h"
#include "platform/x11/seen_modifiers.h"
#include "platform/x11/serial_worker.h"

namespace velmor::x11 {

// The gestures' intents on an X11 desktop: keys through XTest, windows through the window
// manager, media keys through the session bus's players, the volume through the sound
// server's client and the area capture through a tool of the user's.
class X11SystemActions : public platform::SystemActions {
public:
    // The configured area-capture command, read at every capture; nothing when unset.
    using ScreenshotSetting = std::function<std::optional<std::string>()>;

    // `displayName` empty means $DISPLAY. `seenModifiers`, when given, spares asking the
    // keyboard which modifiers are down when the tap has just seen none.
    X11SystemActions(std::string displayName, platform::Processes& processes,
                     ScreenshotSetting screenshotCommand,
                     std::shared_ptr<const SeenModifiers> seenModifiers = nullptr);

    void pressShortcut(platform::Shortcut shortcut) override;
    // Returns at once: the players are asked on a thread of this object's own.
    void pressMediaKey(platform::MediaKey key) override;
    void stepOutputVolume(bool louder) override;
    // Toggles, as the desktop key does: a second call brings the windows back.
    platform::ShowDesktopOutcome showDesktop() override;

private:
    template <typename Use>
    void withKeyboard(Use use);
    void pressKeys(std::span<const KeySym> modifiers, KeySym key);
    std::vector<KeyCode> heldModifiers(::Display* keyboard);
    void closeFrontmost();
    void captureArea();

    std::string displayName_;
    OutputVolume volume_;
    ScreenshotSetting screenshotCommand_;
    std::shared_ptr<const SeenModifiers> seenModifiers_;
    std::mutex keyboardMutex_;
    std::optional<Display> keyboard_;  // opened on first use, under the mutex
    ModifierKeys modifierKeys_;        // the keyboard connection's, under the mutex
    MediaPlayers players_;             // the worker's alone
    SerialWorker mediaWorker_;         // last: its jobs use the rest
};

}  // namespace velmor::x11
