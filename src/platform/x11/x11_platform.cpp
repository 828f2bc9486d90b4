#include "platform/x11/x11_platform.h"

#include <iostream>

#include "platform/x11/desktop_ui.h"
#include "platform/x11/terminal_ui.h"

namespace velmor::x11 {

namespace {

// The area-capture command a user may set; nothing chooses the desktop's own tool.
constexpr const char* kScreenshotCommandKey = "VLScreenshotCommand";
// As the system's defaults store keeps a Mac's settings: on disk moments after a change,
// whatever then happens to the program or the session.
constexpr std::chrono::milliseconds kSettingsSavedWithin{1000};

}  // namespace

X11Platform::X11Platform(X11Options options)
    : options_(std::move(options)),
      defaults_(paths_.settingsFile(), kSettingsSavedWithin),
      events_(options_.displayName, scheduler_, scheduler_, options_.noteForLog),
      windows_(options_.displayName),
      accessibility_(events_, windows_),
      workspace_(options_.displayName),
      systemActions_(
          options_.displayName, processes_,
          [this] { return defaults_.string(kScreenshotCommandKey); }, events_.seenModifiers()),
      loginItem_(paths_, options_.programPath, options_.installed),
      ui_(makeUi()) {
    events_.onGestureHoldBegan([this] { windows_.noteFrontTitle(); });
}

std::unique_ptr<platform::Ui> X11Platform::makeUi() {
    std::ostream& terminal = options_.terminal != nullptr ? *options_.terminal : std::cerr;
    std::function<void()> terminate = [this] { scheduler_.quitMainLoop(); };
    if (!options_.graphicalUi) {
        return std::make_unique<TerminalUi>(terminal, std::move(terminate));
    }
    return makeDesktopUi(options_.displayName, scheduler_, terminal, options_.noteForLog,
                         std::move(terminate));
}

X11Platform::~X11Platform() = default;

}  // namespace velmor::x11
