#include "platform/x11/tap_pump.h"

#include <X11/keysym.h>
#include <poll.h>

#include "platform/x11/event_translation.h"
#include "platform/x11/server_mappings.h"

namespace velmor::x11 {
namespace {

constexpr unsigned int kAnyButtonMask =
    Button1Mask | Button2Mask | Button3Mask | Button4Mask | Button5Mask;

unsigned int maskOfButton(unsigned int button) {
    return button >= Button1 && button <= Button5 ? Button1Mask << (button - Button1) : 0;
}

// The server's time of the events the pump translates; 0 for the one it makes itself.
Time serverTime(const XEvent& event) {
    switch (event.type) {
        case ButtonPress:
        case ButtonRelease:
            return event.xbutton.time;
        case MotionNotify:
            return event.xmotion.time;
        case KeyPress:
        case KeyRelease:
            return event.xkey.time;
        default:
            return 0;
    }
}

}  // namespace

TapPump::TapPump(Display& display, PointerGrab& grab, Callback callback, Note note,
                 TapListeners listeners)
    : display_(display),
      grab_(grab),
      callback_(std::move(callback)),
      note_(std::move(note)),
      listeners_(std::move(listeners)),
      mKey_(XKeysymToKeycode(display.get(), XK_m)),
      buttons_(readButtonMap(display.get())),
      rawReleases_(display, buttons_) {}

// One read for what the socket holds, then only what Xlib already has: no read that is
// bound to find nothing, on the path of every drag.
int TapPump::dispatchPending() {
    ::Display* display = display_.get();
    int handled = 0;
    for (int queued = XEventsQueued(display, QueuedAfterReading); queued > 0;
         queued = XEventsQueued(display, QueuedAlready)) {
        XEvent event;
        XNextEvent(display, &event);
        handleEvent(event);
        ++handled;
    }
    return handled;
}

bool TapPump::waitAndDispatch(std::chrono::milliseconds timeout) {
    if (XPending(display_.get()) == 0) {
        pollfd readable{display_.fileDescriptor(), POLLIN, 0};
        if (poll(&readable, 1, static_cast<int>(timeout.count())) <= 0) {
            return false;
        }
    }
    return dispatchPending() > 0;
}

void TapPump::handleEvent(const XEvent& event) {
    if (const std::optional<unsigned int> released = rawReleases_.releasedButton(event)) {
        ownClicks_.released(*released);
        reportReleaseOfPassedPress(*released);
        return;
    }
    if (event.type == MappingNotify) {
        followMappingChange(event);
        return;
    }
    if (event.type == ButtonPress && ownClicks_.isEcho(event.xbutton.button)) {
        answerServer(event, TapAnswer::pass);
        return;
    }
    if (listeners_.seenModifiers && (event.type == ButtonPress || event.type == ButtonRelease)) {
        // Before the core hears of it: the gesture's action may start at once on a worker.
        listeners_.seenModifiers->saw(event.xbutton.state, grab_.lockCombinations());
    }
    if (event.type == ButtonPress && !holding_ && listeners_.ownWheel) {
        listeners_.ownWheel->holdBegan();  // at once: the program's burst stops before the answer
    }
    if (isOwnWheelClick(event)) {
        answerServer(event, TapAnswer::swallow);
        return;
    }
    const std::optional<platform::Event> translated = translate(event);
    TapAnswer answer = translated ? ask(*translated) : TapAnswer::pass;
    const bool pressDuringHold = holding_ && event.type == ButtonPress;
    if (pressDuringHold && answer == TapAnswer::pass) {
        note("x11=dropped_press button=" + std::to_string(event.xbutton.button) +
             " reason=grab_active");
        answer = TapAnswer::swallow;
    }
    answerServer(event, answer);
    trackPassedPress(event, answer);
    trackHold(event, answer);
}

void TapPump::followMappingChange(const XEvent& event) {
    followMapping(event, display_.get(), &buttons_);
    if (event.xmapping.request == MappingModifier) {
        grab_.followLockModifiers();  // Num Lock on another modifier, say
    }
    mKey_ = XKeysymToKeycode(display_.get(), XK_m);
}

void TapPump::trackPassedPress(const XEvent& event, TapAnswer answer) {
    if (event.type == ButtonPress && answer == TapAnswer::pass) {
        passedButtons_ |= maskOfButton(event.xbutton.button);
    }
}

// The window that got a handed-on press gets its release straight from the server; the
// callback still hears of it, so its view of the buttons stays whole.
void TapPump::reportReleaseOfPassedPress(unsigned int button) {
    const unsigned int mask = maskOfButton(button);
    if ((passedButtons_ & mask) == 0) {
        return;
    }
    passedButtons_ &= ~mask;
    XEvent release{};
    release.xbutton.type = ButtonRelease;
    release.xbutton.button = button;
    release.xbutton.state = mask;
    Window root = 0;
    Window child = 0;
    int x = 0;
    int y = 0;
    unsigned int state = 0;
    XQueryPointer(display_.get(), display_.root(), &root, &child, &release.xbutton.x_root,
                  &release.xbutton.y_root, &x, &y, &state);
    if (std::optional<platform::Event> translated = translateEvent(release, mKey_)) {
        translated->timestamp = timeline_.newest();  // heard of just now, after the newest
        ask(*translated);
    }
}

std::optional<platform::Event> TapPump::translate(const XEvent& event) {
    std::optional<platform::Event> translated = translateEvent(event, mKey_);
    if (translated) {
        translated->timestamp = timeline_.stamp(static_cast<std::uint32_t>(serverTime(event)));
    }
    return translated;
}

TapAnswer TapPump::ask(const platform::Event& event) const {
    try {
        return callback_(event.type, event);
    } catch (...) {
        // A failing callback must not leave the pointer frozen or eat the user's click.
        return TapAnswer::pass;
    }
}

// Only the presses that start a grab freeze the device until they are answered; once
// answered, the rest of the hold flows without answers, so drags cost no request at all.
// Each answer names the event it answers: an answer for "now" could thaw a newer press the
// server froze meanwhile, before the tap has seen it.
void TapPump::answerServer(const XEvent& event, TapAnswer answer) {
    const bool pass = answer == TapAnswer::pass;
    const Time time = serverTime(event);
    if (event.type == ButtonPress) {
        XAllowEvents(display_.get(), pass ? ReplayPointer : AsyncPointer, time);
    } else if (event.type == KeyPress) {
        XAllowEvents(display_.get(), pass ? ReplayKeyboard : AsyncKeyboard, time);
    } else {
        return;
    }
    XFlush(display_.get());
}

void TapPump::trackHold(const XEvent& event, TapAnswer answer) {
    if (event.type == ButtonPress && !holding_) {
        holding_ = answer == TapAnswer::swallow;
        if (holding_ && event.xbutton.button == Button3) {
            grabMKey();
            if (listeners_.gestureHoldBegan) {
                listeners_.gestureHoldBegan();  // after the answer, so the press is not kept frozen
            }
        }
    } else if (event.type == ButtonRelease && holding_) {
        const unsigned int stillDown =
            event.xbutton.state & kAnyButtonMask & ~maskOfButton(event.xbutton.button);
        holding_ = stillDown != 0;
        if (!holding_) {
            mKeyGrab_.reset();
        }
    }
    if (listeners_.ownWheel && !holding_) {
        listeners_.ownWheel->holdEnded();
    }
}

// The program's bursts are vertical only: a sideways click is always the user's.
bool TapPump::isOwnWheelClick(const XEvent& event) const {
    const bool wheel = (event.type == ButtonPress || event.type == ButtonRelease) &&
                       (event.xbutton.button == Button4 || event.xbutton.button == Button5);
    return wheel && holding_ && listeners_.ownWheel && listeners_.ownWheel->isEcho();
}

void TapPump::grabMKey() {
    mKeyGrab_.emplace(display_, mKey_, grab_.lockCombinations());
    if (!mKeyGrab_->held() && !mKeyRefusalNoted_) {
        mKeyRefusalNoted_ = true;  // once: it stays so until that program lets go
        note("x11=m_key_not_grabbed reason=held_by_another_program");
    }
}

void TapPump::note(const std::string& line) const {
    if (note_) {
        note_(line);
    }
}

}  // namespace velmor::x11
