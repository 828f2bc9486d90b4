#include "platform/x11/main_thread.h"

#include <cstdio>
#include <string>

namespace velmor::x11 {

namespace {

void warn(std::string_view call, std::string_view where, std::string_view outcome) {
    // One formatted write, so lines from several threads do not interleave.
    const std::string line = "velmor: " + std::string(call) + " called " + std::string(where) +
                             "; " + std::string(outcome) + "\n";
    std::fputs(line.c_str(), stderr);
}

}  // namespace

bool MainThread::warnUnlessCurrent(std::string_view call, std::string_view outcome) const {
    if (isCurrent()) {
        return false;
    }
    warn(call, "off the main thread", outcome);
    return true;
}

bool MainThread::warnIfCurrent(std::string_view call, std::string_view outcome) const {
    if (!isCurrent()) {
        return false;
    }
    warn(call, "on the main thread", outcome);
    return true;
}

}  // namespace velmor::x11
