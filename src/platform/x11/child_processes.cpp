#include "platform/x11/child_processes.h"

#include <gio/gio.h>

#include <string>
#include <vector>

#include "platform/x11/own_environment.h"

namespace velmor::x11 {
namespace {

constexpr int kSignalledBase = 128;  // as shells report a program ended by a signal

std::vector<const char*> argumentVector(const platform::ProcessRequest& request) {
    std::vector<const char*> argv{request.path.c_str()};
    for (const std::string& argument : request.arguments) {
        argv.push_back(argument.c_str());
    }
    argv.push_back(nullptr);
    return argv;
}

GSubprocessFlags subprocessFlags(const platform::ProcessRequest& request) {
    int flags = G_SUBPROCESS_FLAGS_NONE;
    if (request.pipeStandardOutput) {
        flags |= G_SUBPROCESS_FLAGS_STDOUT_PIPE;
    }
    if (request.pipeStandardError) {
        flags |= G_SUBPROCESS_FLAGS_STDERR_PIPE;
    }
    return static_cast<GSubprocessFlags>(flags);
}

// Pipe contents may hold any byte, NUL included.
std::string text(GBytes* bytes) {
    if (bytes == nullptr) {
        return {};
    }
    gsize size = 0;
    const auto* data = static_cast<const char*>(g_bytes_get_data(bytes, &size));
    return std::string(data, size);
}

int exitStatusOf(GSubprocess* process) {
    if (g_subprocess_get_if_exited(process)) {
        return g_subprocess_get_exit_status(process);
    }
    return g_subprocess_get_if_signaled(process)
               ? kSignalledBase + g_subprocess_get_term_sig(process)
               : -1;
}

}  // namespace

platform::ProcessOutcome ChildProcesses::runAndWait(const platform::ProcessRequest& request) {
    const std::vector<const char*> argv = argumentVector(request);
    platform::ProcessOutcome outcome;
    g_autoptr(GError) error = nullptr;
    g_autoptr(GSubprocessLauncher) launcher = g_subprocess_launcher_new(subprocessFlags(request));
    for (const std::string& own : ownVariables()) {
        g_subprocess_launcher_unsetenv(launcher, own.c_str());
    }
    g_autoptr(GSubprocess) process = g_subprocess_launcher_spawnv(launcher, argv.data(), &error);
    if (process == nullptr) {
        outcome.failureReason = error->message;
        return outcome;
    }
    outcome.launched = true;
    // Reads both pipes at once, so a program filling one while we wait on the other never
    // stalls.
    g_autoptr(GBytes) standardOutput = nullptr;
    g_autoptr(GBytes) standardError = nullptr;
    if (!g_subprocess_communicate(process, nullptr, nullptr, &standardOutput, &standardError,
                                  &error)) {
        outcome.failureReason = error->message;
        g_subprocess_force_exit(process);
        g_subprocess_wait(process, nullptr, nullptr);
        return outcome;
    }
    outcome.exitStatus = exitStatusOf(process);
    outcome.standardOutput = text(standardOutput);
    outcome.standardError = text(standardError);
    return outcome;
}

}  // namespace velmor::x11
