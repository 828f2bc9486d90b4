#include "desktop/run_on_desktop.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

#include "app/app_entry.h"
#include "desktop/session_check.h"
#include "log/gesture_log.h"
#include "platform/x11/desktop_notification.h"
#include "platform/x11/display.h"
#include "platform/x11/instance_lock.h"
#include "platform/x11/quit_signals.h"
#include "platform/x11/server_loss.h"
#include "platform/x11/x11_platform.h"

namespace velmor {

namespace {

std::filesystem::path runningProgram() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path("velmor") : program;
}

int runUntilQuit(std::ostream& terminal) {
    platform::Platform* running = nullptr;
    x11::X11Platform platform(x11::X11Options{
        .displayName = {},
        .programPath = runningProgram(),
        .terminal = &terminal,
        .noteForLog =
            [&running](const std::string& line) {
                if (running != nullptr) {
                    VLAppendToGestureLog(*running, VLLogTimestamp(*running) + ": " + line + "\n");
                }
            },
    });
    running = &platform;
    const x11::QuitSignals quitSignals(platform.glibScheduler());
    const x11::ServerLoss serverLoss([&platform] { platform.defaults().synchronize(); });
    auto delegate = VLRunApplicationEntry(platform);
    platform.scheduler().runMainLoop();
    // The delegate's tap lets go of the pointer before the settings are written.
    delegate.reset();
    platform.defaults().synchronize();
    return EXIT_SUCCESS;
}

}  // namespace

int runOnDesktop(std::ostream& terminal) {
    const SessionEnvironment session = SessionEnvironment::fromProcess();
    const SessionVerdict verdict = judgeSession(session);
    if (!verdict.canRun) {
        terminal << verdict.message << '\n';
        return EXIT_FAILURE;
    }
    const std::string& display = *session.display;
    // Held until the program ends, and taken before it touches the desktop: a second
    // instance would grab the pointer over the first one's grab.
    const auto lockFile = x11::InstanceLock::fileFor(x11::XdgPaths(), display);
    const x11::InstanceLock instance(lockFile);
    if (instance.outcome() == x11::InstanceLock::Outcome::heldByAnother) {
        terminal << "velmor: Velmor is already running on display " << display << '\n';
        x11::notifyDesktop(x11::notice_text::kAlreadyRunningSummary,
                           x11::notice_text::kAlreadyRunningBody);
        return EXIT_SUCCESS;
    }
    if (!verdict.message.empty()) {
        terminal << verdict.message << '\n';
    }
    if (instance.outcome() == x11::InstanceLock::Outcome::unavailable) {
        terminal << "velmor: warning: cannot lock " << lockFile
                 << ", so a second start on this display is not refused\n";
    }
    if (!x11::Display::open()) {
        terminal << "velmor: cannot open the X11 display \"" << display << "\"\n";
        return EXIT_FAILURE;
    }
    return runUntilQuit(terminal);
}

}  // namespace velmor
