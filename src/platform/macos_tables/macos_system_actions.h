#pragma once

#include <cstdint>

#include "platform/event_services.h"
#include "platform/processes.h"
#include "platform/system_actions.h"

namespace velmor::macos {

// The intents as the macOS program carries them out: virtual key codes with the Command
// flag, media keys packed into system-defined events, AppleScript through
// "/usr/bin/osascript". Works over the event services and processes it is given, so the
// simulated platform records exactly what the macOS program would have done.
class MacSystemActions : public platform::SystemActions {
public:
    MacSystemActions(platform::EventServices& events, platform::Processes& processes)
        : events_(events), processes_(processes) {}

    void pressShortcut(platform::Shortcut shortcut) override;
    void pressMediaKey(platform::MediaKey key) override;
    void stepOutputVolume(bool louder) override;
    platform::ShowDesktopOutcome showDesktop() override;

private:
    platform::EventServices& events_;
    platform::Processes& processes_;
};

// Key down then key up, both with exactly these flags.
void VLPostKey(platform::EventServices& events, std::uint16_t keyCode, std::uint64_t flags);
// A media-key press and release as system-defined events.
void VLPostMediaKey(platform::EventServices& events, int mediaKeyType);

}  // namespace velmor::macos
