#include "x11/x_session.h"

#include <X11/Xatom.h>
#include <poll.h>
#include <unistd.h>

#include <chrono>
#include <csignal>

#include "platform/x11/window_property.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

bool installed(const std::string& program) {
    return runToEnd({"sh", "-c", "command -v " + program}, "") == 0;
}

// Reads the display number Xvfb writes once it accepts connections.
std::string readDisplayNumber(int fd) {
    std::string number;
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (std::chrono::steady_clock::now() < deadline) {
        pollfd readable{fd, POLLIN, 0};
        if (poll(&readable, 1, 100) <= 0) {
            continue;
        }
        char c = 0;
        if (read(fd, &c, 1) != 1 || c == '\n') {
            break;
        }
        number += c;
    }
    return number;
}

}  // namespace

XSession::XSession() {
    for (const char* program : {"Xvfb", "jwm", "xdotool"}) {
        if (!installed(program)) {
            problem_ = std::string(program) + " is not installed (scripts/install-deps.sh)";
            return;
        }
    }
    if (startServer()) {
        startWindowManager();
    }
}

bool XSession::startServer() {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        problem_ = "no pipe for Xvfb";
        return false;
    }
    server_.emplace(std::vector<std::string>{"Xvfb", "-displayfd", "3", "-nolisten", "tcp",
                                             "-screen", "0", "1024x768x24", "-noreset"},
                    "", pipeEnds[1]);
    close(pipeEnds[1]);
    const std::string number = readDisplayNumber(pipeEnds[0]);
    close(pipeEnds[0]);
    if (number.empty()) {
        problem_ = "Xvfb did not start";
        return false;
    }
    name_ = ":" + number;
    if (!waitUntil([&] { return connect().has_value(); })) {
        problem_ = "Xvfb " + name_ + " accepts no connection";
        return false;
    }
    return true;
}

bool XSession::startWindowManager() {
    windowManager_.emplace(std::vector<std::string>{"jwm", "-f", VELMOR_JWM_CONFIG}, name_);
    std::optional<Display> display = connect();
    const Atom check = XInternAtom(display->get(), "_NET_SUPPORTING_WM_CHECK", False);
    if (!waitUntil([&] {
            return cardinalProperty(display->get(), display->root(), check, XA_WINDOW).has_value();
        })) {
        problem_ = "jwm did not take over " + name_;
        return false;
    }
    return true;
}

bool XSession::xdotool(const std::vector<std::string>& arguments) const {
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    return runToEnd(argv, name_) == 0;
}

bool XSession::activateWindow(const std::string& titlePattern) const {
    return waitUntil([&] {
        return xdotool({"search", "--name", titlePattern, "windowactivate", "--sync"});
    });
}

bool XSession::screenshot(const std::filesystem::path& file) const {
    if (!installed("import")) {
        return false;
    }
    return runToEnd({"import", "-window", "root", file.string()}, name_) == 0;
}

void XSession::stopServer() {
    windowManager_.reset();
    if (server_) {
        server_->signal(SIGTERM);
        server_->wait(kPatience);
        server_.reset();
    }
}

}  // namespace velmor::x11::testing
