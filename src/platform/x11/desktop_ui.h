#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "platform/ui.h"
#include "platform/x11/glib_scheduler.h"

namespace velmor::x11 {

// Dialogs and the tray menu where GTK can open the display, else the terminal (which is then
// told so once). Call on the main thread before the main loop runs.
std::unique_ptr<platform::Ui> makeDesktopUi(const std::string& displayName,
                                            GlibScheduler& scheduler, std::ostream& terminal,
                                            std::function<void(const std::string&)> noteForLog,
                                            std::function<void()> terminate);

}  // namespace velmor::x11
