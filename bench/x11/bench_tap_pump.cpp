// A drag event on the tap's connection, from its arrival to the server's answer: the pump sits
// on the path of every motion of a hold, and the pointer waits for it.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>

#include "platform/x11/display.h"
#include "platform/x11/tap_pump.h"

namespace {

using namespace velmor;

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

XEvent dragEvent(const x11::Display& display, Window window, int i) {
    XEvent event{};
    event.xmotion.type = MotionNotify;
    event.xmotion.display = display.get();
    event.xmotion.window = window;
    event.xmotion.root = display.root();
    event.xmotion.x_root = 100 + i % 500;
    event.xmotion.y_root = 100 + i % 300;
    event.xmotion.state = Button3Mask;
    event.xmotion.same_screen = True;
    return event;
}

x11::TapAnswer countDrag(std::uint32_t type, const platform::Event& event) {
    benchmark::DoNotOptimize(event.location);
    return type == platform::event_type::kRightMouseDragged ? x11::TapAnswer::swallow
                                                            : x11::TapAnswer::pass;
}

// Translation, the callback and the answer written to the server, for an event already read.
void BM_DragEventToAnswer(benchmark::State& state) {
    Server server;
    std::optional<x11::Display> display = x11::Display::open(server.name());
    if (server.name().empty() || !display) {
        state.SkipWithError("no Xvfb");
        return;
    }
    x11::TapPump pump(*display, countDrag);
    int i = 0;
    for (auto _ : state) {
        pump.handleEvent(dragEvent(*display, display->root(), ++i));
    }
}
BENCHMARK(BM_DragEventToAnswer);

// The whole way from the socket: a second client sends a drag to the tap's window, and the
// clock runs from the moment the tap's connection can read it until the answer is written.
void BM_DragFromSocketToAnswer(benchmark::State& state) {
    Server server;
    std::optional<x11::Display> tap = x11::Display::open(server.name());
    std::optional<x11::Display> sender = x11::Display::open(server.name());
    if (server.name().empty() || !tap || !sender) {
        state.SkipWithError("no Xvfb");
        return;
    }
    const Window window = XCreateSimpleWindow(tap->get(), tap->root(), 0, 0, 10, 10, 0, 0, 0);
    XSelectInput(tap->get(), window, ButtonMotionMask);
    XSync(tap->get(), False);
    x11::TapPump pump(*tap, countDrag);
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        XEvent event = dragEvent(*sender, window, ++i);
        XSendEvent(sender->get(), window, False, ButtonMotionMask, &event);
        XFlush(sender->get());
        pollfd readable{tap->fileDescriptor(), POLLIN, 0};
        ::poll(&readable, 1, 20000);
        state.ResumeTiming();
        benchmark::DoNotOptimize(pump.dispatchPending());
    }
}
BENCHMARK(BM_DragFromSocketToAnswer);

}  // namespace

BENCHMARK_MAIN();
