#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

namespace velmor::bench {

// An Xvfb of the benchmark's own on a display number it picks itself.
class Server {
public:
    Server() {
        int ends[2];
        if (pipe(ends) != 0) {
            return;
        }
        pid_ = fork();
        if (pid_ == 0) {
            const int quiet = open("/dev/null", O_RDWR);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            dup2(ends[1], 3);
            execlp("Xvfb", "Xvfb", "-displayfd", "3", "-nolisten", "tcp", nullptr);
            _exit(127);
        }
        close(ends[1]);
        for (char c = 0; poll(ends[0]) && read(ends[0], &c, 1) == 1 && c != '\n';) {
            name_ += c;
        }
        close(ends[0]);
        if (!name_.empty()) {
            name_.insert(0, ":");
        }
    }
    ~Server() {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
        }
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    const std::string& name() const { return name_; }

private:
    static bool poll(int fd) {
        pollfd readable{fd, POLLIN, 0};
        return ::poll(&readable, 1, 20000) > 0;
    }

    pid_t pid_ = -1;
    std::string name_;
};

}  // namespace velmor::bench
