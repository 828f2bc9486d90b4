// A drag event on the tap's connection, from its arrival to the server's answer: the pump sits
// on the path of every motion of a hold, and the pointer waits for it.
#include <benchmark/benchmark.h>

#include <X11/Xlib.h>
#include <poll.h>

#include <optional>
#include <string>

#include "platform/x11/display.h"
#include "platform/x11/tap_pump.h"
#include "x11/xvfb_server.h"

namespace {

using namespace velmor;
using bench::Server;

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
    x11::PointerGrab grab(*display);
    x11::TapPump pump(*display, grab, countDrag);
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
    x11::PointerGrab grab(*tap);
    x11::TapPump pump(*tap, grab, countDrag);
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
