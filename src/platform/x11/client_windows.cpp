#include "platform/x11/client_windows.h"

#include <algorithm>

#include "platform/x11/desktop_entry.h"
#include "platform/x11/error_trap.h"

namespace velmor::x11 {
namespace {

bool ofClass(const Ewmh& ewmh, Window window, std::string_view applicationId) {
    const std::optional<WindowClass> windowClass = ewmh.classOf(window);
    return windowClass && sameIgnoringCase(windowClass->className, applicationId);
}

}  // namespace

std::optional<platform::RunningApplication> applicationOfWindow(const Ewmh& ewmh, Window window) {
    const std::optional<pid_t> pid = ewmh.pidOf(window);
    if (!pid) {
        return std::nullopt;
    }
    const std::optional<WindowClass> windowClass = ewmh.classOf(window);
    return platform::RunningApplication{
        *pid, windowClass ? std::optional(windowClass->className) : std::nullopt};
}

std::vector<Window> windowsOfProcess(const Ewmh& ewmh, pid_t pid) {
    std::vector<Window> windows = ewmh.clientWindows();
    std::erase_if(windows, [&](Window window) { return ewmh.pidOf(window) != pid; });
    return windows;
}

std::optional<Window> newestWindowOfClass(const Ewmh& ewmh, std::string_view applicationId) {
    const std::vector<Window> windows = ewmh.clientWindows();
    const auto newest = std::find_if(windows.rbegin(), windows.rend(), [&](Window window) {
        return ofClass(ewmh, window, applicationId);
    });
    return newest != windows.rend() ? std::optional(*newest) : std::nullopt;
}

std::vector<platform::RunningApplication> processesOfClass(const Ewmh& ewmh,
                                                           std::string_view applicationId) {
    std::vector<platform::RunningApplication> processes;
    for (Window window : ewmh.clientWindows()) {
        const std::optional<platform::RunningApplication> owner = applicationOfWindow(ewmh, window);
        if (!owner || !owner->applicationId ||
            !sameIgnoringCase(*owner->applicationId, applicationId)) {
            continue;
        }
        const bool listed =
            std::any_of(processes.begin(), processes.end(),
                        [&](const auto& process) { return process.pid == owner->pid; });
        if (!listed) {
            processes.push_back(*owner);
        }
    }
    return processes;
}

bool windowExists(const Display& display, Window window) {
    ErrorTrap trap(display.get(), ErrorTrap::Waiting::whenUnanswered);
    XWindowAttributes attributes{};
    return XGetWindowAttributes(display.get(), window, &attributes) != 0 && trap.sync() == Success;
}

}  // namespace velmor::x11
