#include "platform/x11/x11_system_actions.h"

#include <X11/XF86keysym.h>
#include <X11/keysym.h>

#include <array>
#include <iostream>
#include <utility>

#include "platform/x11/detached_launch.h"
#include "platform/x11/ewmh.h"
#include "platform/x11/key_combination.h"
#include "platform/x11/screenshot_command.h"
#include "platform/x11/server_mappings.h"

namespace velmor::x11 {
namespace {

constexpr std::array<KeySym, 1> kAlt{XK_Alt_L};
constexpr std::array<KeySym, 1> kControl{XK_Control_L};

KeySym mediaKeySym(platform::MediaKey key) {
    switch (key) {
        case platform::MediaKey::next:
            return XF86XK_AudioNext;
        case platform::MediaKey::previous:
            return XF86XK_AudioPrev;
        case platform::MediaKey::playPause:
            break;
    }
    return XF86XK_AudioPlay;
}

std::string shownName(const std::string& displayName) {
    return displayName.empty() ? "$DISPLAY" : displayName;
}

}  // namespace

X11SystemActions::X11SystemActions(std::string displayName, platform::Processes& processes,
                                   ScreenshotSetting screenshotCommand,
                                   std::shared_ptr<const SeenModifiers> seenModifiers)
    : displayName_(std::move(displayName)),
      volume_(processes),
      screenshotCommand_(std::move(screenshotCommand)),
      seenModifiers_(std::move(seenModifiers)) {}

void X11SystemActions::pressShortcut(platform::Shortcut shortcut) {
    using platform::Shortcut;
    switch (shortcut) {
        case Shortcut::browserBack:
            return pressKeys(kAlt, XK_Left);
        case Shortcut::browserForward:
            return pressKeys(kAlt, XK_Right);
        case Shortcut::newTab:
            return pressKeys(kControl, XK_t);
        case Shortcut::closeTab:
            return pressKeys(kControl, XK_w);
        case Shortcut::refresh:
            return pressKeys(kControl, XK_r);
        case Shortcut::quitFrontmost:
            return closeFrontmost();
        case Shortcut::areaScreenshot:
            return captureArea();
    }
}

void X11SystemActions::pressMediaKey(platform::MediaKey key) {
    mediaWorker_.submit([this, key] {
        if (!players_.press(key)) {
            pressKeys({}, mediaKeySym(key));
        }
    });
}

void X11SystemActions::stepOutputVolume(bool louder) {
    volume_.step(louder);
}

platform::ShowDesktopOutcome X11SystemActions::showDesktop() {
    std::optional<Display> display = Display::open(displayName_);
    if (!display) {
        return {-1, "cannot open the display " + shownName(displayName_)};
    }
    Ewmh ewmh(*display);
    if (!ewmh.supports(display->atoms().netShowingDesktop)) {
        return {1, "the window manager cannot show the desktop"};
    }
    ewmh.showDesktop(!ewmh.showingDesktop().value_or(false));
    return {0, {}};
}

template <typename Use>
void X11SystemActions::withKeyboard(Use use) {
    const std::lock_guard lock(keyboardMutex_);
    if (!keyboard_) {
        keyboard_ = Display::open(displayName_);
    }
    if (keyboard_) {
        if (catchUpWithMappings(keyboard_->get())) {
            modifierKeys_.forget();
        }
        use(*keyboard_);
    }
}

void X11SystemActions::pressKeys(std::span<const KeySym> modifiers, KeySym key) {
    withKeyboard([&](Display& display) {
        postKeyCombination(display.get(), heldModifiers(display.get()), modifiers, key);
    });
}

std::vector<KeyCode> X11SystemActions::heldModifiers(::Display* keyboard) {
    if (seenModifiers_ && seenModifiers_->noneDown()) {
        return {};
    }
    return modifierKeys_.held(keyboard);
}

// What quitting asks of a program on this desktop: the window manager asks each of its
// windows to close, and the program may still ask about unsaved work.
void X11SystemActions::closeFrontmost() {
    withKeyboard([](Display& display) {
        Ewmh ewmh(display);
        const std::optional<Window> active = ewmh.activeWindow();
        const std::optional<pid_t> pid = active ? ewmh.pidOf(*active) : std::nullopt;
        if (pid) {
            ewmh.closeWindowsOf(*pid);
        }
    });
}

void X11SystemActions::captureArea() {
    const std::optional<std::string> configured = screenshotCommand_();
    const std::optional<std::vector<std::string>> argv = screenshotCommand(configured);
    if (!argv) {
        if (configured && !configured->empty()) {
            std::cerr << "velmor: the area capture command cannot be read: " << *configured << '\n';
        } else {
            std::cerr << "velmor: no area capture tool on PATH; set VLScreenshotCommand to one\n";
        }
        return;
    }
    if (const std::optional<std::string> problem = launchDetached(*argv, displayName_)) {
        std::cerr << "velmor: the area capture did not start: " << *problem << '\n';
    }
}

}  // namespace velmor::x11
