// A second process holding the tap's grab, so the tests can end it while it holds the
// pointer. Swallows everything and writes "grabbed", then "down" at the first right press,
// to the file given as its only argument.
#include <chrono>
#include <fstream>
#include <optional>

#include "platform/x11/display.h"
#include "platform/x11/pointer_grab.h"
#include "platform/x11/tap_pump.h"

int main(int argc, char** argv) {
    using namespace velmor;
    if (argc != 2) {
        return 2;
    }
    std::optional<x11::Display> display = x11::Display::open();
    if (!display) {
        return 1;
    }
    x11::PointerGrab grab(*display);
    if (!grab.grab()) {
        return 1;
    }
    std::ofstream log(argv[1]);
    log << "grabbed" << std::endl;
    x11::TapPump pump(*display, grab, [&](std::uint32_t type, const platform::Event&) {
        if (type == platform::event_type::kRightMouseDown) {
            log << "down" << std::endl;
        }
        return x11::TapAnswer::swallow;
    });
    for (;;) {
        pump.waitAndDispatch(std::chrono::seconds(1));
    }
}
