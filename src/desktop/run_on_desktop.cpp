#include "desktop/run_on_desktop.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "app/app_entry.h"
#include "desktop/session_check.h"
#include "log/gesture_log.h"
#include "platform/x11/display.h"
#include "platform/x11/quit_signals.h"
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
    auto delegate = VLRunApplicationEntry(platform);
    platform.scheduler().runMainLoop();
    // The delegate's tap lets go of the pointer before the settings are written.
    delegate.reset();
    platform.defaults().synchronize();
    return EXIT_SUCCESS;
}

}  // namespace

int runOnDesktop(std::ostream& terminal) {
    const SessionVerdict verdict = judgeSession(SessionEnvironment::fromProcess());
    if (!verdict.message.empty()) {
        terminal << verdict.message << '\n';
    }
    if (!verdict.canRun) {
        return EXIT_FAILURE;
    }
    if (!x11::Display::open()) {
        terminal << "velmor: cannot open the X11 display \"" << std::getenv("DISPLAY") << "\"\n";
        return EXIT_FAILURE;
    }
    return runUntilQuit(terminal);
}

}  // namespace velmor
