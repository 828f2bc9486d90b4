#include "platform/x11/process_state.h"

#include <signal.h>

#include <cerrno>
#include <fstream>
#include <string>

namespace velmor::x11 {
namespace {

// The state letter of /proc/PID/stat, after the command name in parentheses, which may
// itself hold spaces and parentheses.
char stateLetter(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t end = line.rfind(')');
    return end != std::string::npos && end + 2 < line.size() ? line[end + 2] : '?';
}

}  // namespace

bool processEnded(pid_t pid) {
    if (pid <= 0) {
        return true;
    }
    if (kill(pid, 0) != 0 && errno == ESRCH) {
        return true;
    }
    const char state = stateLetter(pid);
    return state == 'Z' || state == 'X';
}

}  // namespace velmor::x11
