#include "platform/x11/x11_platform.h"

#include <iostream>

#include "platform/x11/desktop_ui.h"

namespace velmor::x11 {

namespace {

// The area-capture command a user may set; nothing chooses the desktop's own tool.
constexpr const char* kScreenshotCommandKey = "VLScreenshotCommand";

}  // namespace

X11Platform::X11Platform(X11Options options)
    : options_(std::move(options)),
      defaults_(paths_.settingsFile()),
      events_(options_.displayName, scheduler_, scheduler_, options_.noteForLog),
      windows_(options_.displayName),
      accessibility_(events_, windows_),
      workspace_(options_.displayName),
      systemActions_(options_.displayName, processes_,
                     [this] { return defaults_.string(kScreenshotCommandKey); }),
      loginItem_(paths_, options_.programPath),
      ui_(makeDesktopUi(options_.displayName, scheduler_,
                        options_.terminal != nullptr ? *options_.terminal : std::cerr,
                        options_.noteForLog, [this] { scheduler_.quitMainLoop(); })) {}

X11Platform::~X11Platform() = default;

}  // namespace velmor::x11
