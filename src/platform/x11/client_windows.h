#pragma once

#include <sys/types.h>

#include <optional>
#include <string_view>
#include <vector>

#include "platform/workspace.h"
#include "platform/x11/ewmh.h"

namespace velmor::x11 {

// The process that owns the window, its class as the application id; nothing for a window
// that names no process.
std::optional<platform::RunningApplication> applicationOfWindow(const Ewmh& ewmh, Window window);
// The managed windows of one process, oldest first.
std::vector<Window> windowsOfProcess(const Ewmh& ewmh, pid_t pid);
// The newest managed window whose WM_CLASS class is the application id, letter case aside.
std::optional<Window> newestWindowOfClass(const Ewmh& ewmh, std::string_view applicationId);
// The processes with a managed window of that class, each once, in the order of their
// oldest windows, each with its window's class.
std::vector<platform::RunningApplication> processesOfClass(const Ewmh& ewmh,
                                                           std::string_view applicationId);
// False for a window that went away.
bool windowExists(const Display& display, Window window);

}  // namespace velmor::x11
