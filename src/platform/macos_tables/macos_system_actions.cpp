#include "platform/macos_tables/macos_system_actions.h"

#include <string>

#include "core/text.h"
#include "platform/macos_tables/macos_keys.h"

namespace velmor::macos {

namespace {

constexpr int kAuxControlButtonsSubtype = 8;
constexpr std::int64_t kMediaKeyDownState = 0xA;
constexpr std::int64_t kMediaKeyUpState = 0xB;
constexpr const char* kScriptInterpreter = "/usr/bin/osascript";
constexpr const char* kRaiseVolume = "set volume output volume (v + 5)";
constexpr const char* kLowerVolume = "set volume output volume (v - 5)";

struct KeyPress {
    std::uint16_t keyCode;
    std::uint64_t flags;
};

KeyPress keyPressFor(platform::Shortcut shortcut) {
    using platform::Shortcut;
    switch (shortcut) {
        case Shortcut::browserBack:
            return {keys::kLeftBracket, keys::kCommand};
        case Shortcut::browserForward:
            return {keys::kRightBracket, keys::kCommand};
        case Shortcut::newTab:
            return {keys::kT, keys::kCommand};
        case Shortcut::closeTab:
            return {keys::kW, keys::kCommand};
        case Shortcut::refresh:
            return {keys::kR, keys::kCommand};
        case Shortcut::quitFrontmost:
            return {keys::kQ, keys::kCommand};
        case Shortcut::areaScreenshot:
            break;
    }
    return {keys::k4, keys::kCommandShift};
}

int mediaKeyType(platform::MediaKey key) {
    switch (key) {
        case platform::MediaKey::next:
            return media::kNext;
        case platform::MediaKey::previous:
            return media::kPrevious;
        case platform::MediaKey::playPause:
            break;
    }
    return media::kPlayPause;
}

void postWithFlags(platform::EventServices& events, std::optional<platform::Event> event,
                   std::uint64_t flags) {
    if (!event) {
        return;
    }
    event->flags = flags;  // replaces every flag: held modifiers must not leak in
    events.post(*event);
}

}  // namespace

void VLPostKey(platform::EventServices& events, std::uint16_t keyCode, std::uint64_t flags) {
    const auto source = events.createEventSource();
    if (!source) {
        return;
    }
    auto keyDown = events.createKeyboardEvent(*source, keyCode, true);
    auto keyUp = events.createKeyboardEvent(*source, keyCode, false);
    postWithFlags(events, std::move(keyDown), flags);
    postWithFlags(events, std::move(keyUp), flags);
}

void VLPostMediaKey(platform::EventServices& events, int mediaKeyType) {
    for (const std::int64_t state : {kMediaKeyDownState, kMediaKeyUpState}) {
        platform::SystemDefinedEvent event;
        event.subtype = kAuxControlButtonsSubtype;
        event.data1 = (static_cast<std::int64_t>(mediaKeyType) << 16) | (state << 8);
        event.data2 = -1;
        events.postSystemDefined(event);
    }
}

void MacSystemActions::pressShortcut(platform::Shortcut shortcut) {
    const KeyPress press = keyPressFor(shortcut);
    VLPostKey(events_, press.keyCode, press.flags);
}

void MacSystemActions::pressMediaKey(platform::MediaKey key) {
    VLPostMediaKey(events_, mediaKeyType(key));
}

void MacSystemActions::stepOutputVolume(bool louder) {
    platform::ProcessRequest request;
    request.path = kScriptInterpreter;
    request.arguments = {"-e", "set v to output volume of (get volume settings)", "-e",
                         louder ? kRaiseVolume : kLowerVolume};
    request.pipeStandardOutput = true;
    request.pipeStandardError = true;
    // A step whose interpreter cannot start is lost; the next step tries again.
    (void)processes_.runAndWait(request);
}

// F13 through System Events: the key the macOS program binds to showing the desktop.
platform::ShowDesktopOutcome MacSystemActions::showDesktop() {
    platform::ProcessRequest request;
    request.path = kScriptInterpreter;
    request.arguments = {"-e", "tell application \"System Events\" to key code 105"};
    request.pipeStandardError = true;
    const auto outcome = processes_.runAndWait(request);

    platform::ShowDesktopOutcome shown;
    if (outcome.launched && !outcome.failureReason) {
        shown.detail = isValidUtf8(outcome.standardError) ? outcome.standardError : std::string();
    } else {
        shown.detail = outcome.failureReason.value_or("osascript launch failed");
    }
    shown.exitStatus = outcome.launched ? outcome.exitStatus : -1;
    return shown;
}

}  // namespace velmor::macos
