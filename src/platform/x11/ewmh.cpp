#include "platform/x11/ewmh.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>

#include "platform/x11/error_trap.h"
#include "platform/x11/window_property.h"
#include "platform/x11/x_free.h"

namespace velmor::x11 {
namespace {

constexpr long kSourcePager = 2;

}  // namespace

std::optional<Window> Ewmh::activeWindow() const {
    const auto values = cardinalProperty(display_.get(), display_.root(),
                                         display_.atoms().netActiveWindow, XA_WINDOW);
    if (!values || values->empty() || values->front() == None) {
        return std::nullopt;
    }
    return static_cast<Window>(values->front());
}

std::optional<pid_t> Ewmh::pidOf(Window window) const {
    const auto values =
        cardinalProperty(display_.get(), window, display_.atoms().netWmPid, XA_CARDINAL);
    if (!values || values->empty()) {
        return std::nullopt;
    }
    return static_cast<pid_t>(values->front());
}

std::optional<WindowClass> Ewmh::classOf(Window window) const {
    ErrorTrap trap(display_.get(), ErrorTrap::Waiting::whenUnanswered);
    XClassHint hint{};
    const Status status = XGetClassHint(display_.get(), window, &hint);
    const XMemory<char> instance(hint.res_name);
    const XMemory<char> className(hint.res_class);
    if (status == 0 || trap.sync() != Success) {
        return std::nullopt;
    }
    return WindowClass{instance ? instance.get() : "", className ? className.get() : ""};
}

std::optional<std::string> Ewmh::titleOf(Window window) const {
    const Atoms& atoms = display_.atoms();
    if (auto title = textProperty(display_.get(), window, atoms.netWmName, atoms.utf8String)) {
        return title;
    }
    return textProperty(display_.get(), window, atoms.wmName, XA_STRING);
}

std::vector<Window> Ewmh::clientWindows() const {
    const auto values = cardinalProperty(display_.get(), display_.root(),
                                         display_.atoms().netClientList, XA_WINDOW);
    if (!values) {
        return {};
    }
    return {values->begin(), values->end()};
}

bool Ewmh::iconify(Window window) {
    // The request is a message to the root window, which cannot tell a window that is gone.
    ErrorTrap trap(display_.get(), ErrorTrap::Waiting::whenUnanswered);
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display_.get(), window, &attributes) == 0 || trap.sync() != Success) {
        return false;
    }
    const Status sent = XIconifyWindow(display_.get(), window, DefaultScreen(display_.get()));
    XFlush(display_.get());
    return sent != 0;
}

int Ewmh::closeWindowsOf(pid_t pid) {
    int asked = 0;
    for (Window window : clientWindows()) {
        if (pidOf(window) == pid) {
            // Timestamp 0 and source indication 2: a pager's request, which managers honour.
            sendToRoot(window, display_.atoms().netCloseWindow, CurrentTime, kSourcePager);
            ++asked;
        }
    }
    XFlush(display_.get());
    return asked;
}

void Ewmh::showDesktop(bool show) {
    // A message about the whole desktop names the root window itself.
    sendToRoot(display_.root(), display_.atoms().netShowingDesktop, show ? 1 : 0);
    XFlush(display_.get());
}

std::optional<bool> Ewmh::showingDesktop() const {
    const auto values = cardinalProperty(display_.get(), display_.root(),
                                         display_.atoms().netShowingDesktop, XA_CARDINAL);
    if (!values || values->empty()) {
        return std::nullopt;
    }
    return values->front() != 0;
}

bool Ewmh::supports(Atom hint) const {
    const Atom supported = XInternAtom(display_.get(), "_NET_SUPPORTED", False);
    const auto values = cardinalProperty(display_.get(), display_.root(), supported, XA_ATOM);
    return values && std::find(values->begin(), values->end(), hint) != values->end();
}

void Ewmh::activate(Window window) {
    sendToRoot(window, display_.atoms().netActiveWindow, kSourcePager, CurrentTime);
    XFlush(display_.get());
}

void Ewmh::sendToRoot(Window window, Atom message, long first, long second) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.serial = 0;
    event.xclient.send_event = True;
    event.xclient.display = display_.get();
    event.xclient.window = window;
    event.xclient.message_type = message;
    event.xclient.format = 32;
    event.xclient.data.l[0] = first;
    event.xclient.data.l[1] = second;
    XSendEvent(display_.get(), display_.root(), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &event);
}

}  // namespace velmor::x11
