#include "x11/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "x11/wait_until.h"

extern char** environ;

namespace velmor::x11::testing {

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& display,
                           int passFd) {
    std::vector<char*> args;
    for (const std::string& arg : argv) {
        args.push_back(const_cast<char*>(arg.c_str()));
    }
    args.push_back(nullptr);
    // The environment is made before the fork: the child may only make async-signal-safe calls.
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, "DISPLAY=", 8) != 0) {
            environment.emplace_back(*entry);
        }
    }
    environment.push_back("DISPLAY=" + display);
    std::vector<char*> envp;
    for (std::string& entry : environment) {
        envp.push_back(entry.data());
    }
    envp.push_back(nullptr);
    pid_ = fork();
    if (pid_ != 0) {
        return;
    }
    const int quiet = open("/dev/null", O_RDWR);
    dup2(quiet, STDIN_FILENO);
    dup2(quiet, STDOUT_FILENO);
    dup2(quiet, STDERR_FILENO);
    if (passFd != -1) {
        dup2(passFd, 3);
    }
    execvpe(args[0], args.data(), envp.data());
    _exit(127);
}

ChildProcess::~ChildProcess() {
    if (pid_ <= 0) {
        return;
    }
    signal(SIGTERM);
    if (wait(std::chrono::seconds(5)) == -1) {
        signal(SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
}

void ChildProcess::signal(int number) const {
    if (pid_ > 0) {
        kill(pid_, number);
    }
}

int ChildProcess::wait(std::chrono::milliseconds patience) {
    int status = 0;
    if (pid_ <= 0 ||
        !waitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, patience)) {
        return -1;
    }
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int runToEnd(const std::vector<std::string>& argv, const std::string& display) {
    ChildProcess child(argv, display);
    return child.wait(std::chrono::seconds(30));
}

}  // namespace velmor::x11::testing
