#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/event.h"
#include "platform/x11/button_map.h"
#include "platform/x11/display.h"
#include "platform/x11/key_grab.h"
#include "platform/x11/own_click_echoes.h"
#include "platform/x11/pointer_grab.h"
#include "platform/x11/raw_releases.h"
#include "platform/x11/server_timeline.h"
#include "platform/x11/tap_answer.h"
#include "platform/x11/tap_listeners.h"

namespace velmor::x11 {

// Reads the events of the grab connection, asks the callback about each one, and answers
// the server for every event, whatever the callback did: a frozen pointer or keyboard stays
// frozen until it is answered. A hold is the time from a kept grabbed press until every
// button is up again; the M key is grabbed only while a hold lasts. Follows the server's
// keyboard, button and modifier maps. Used on the thread that owns the connection.
class TapPump {
public:
    using Callback = std::function<TapAnswer(std::uint32_t type, const platform::Event& event)>;
    // A line for the gesture log about input this desktop could not handle as asked.
    using Note = std::function<void(const std::string& note)>;

    TapPump(Display& display, PointerGrab& grab, Callback callback, Note note = {},
            TapListeners listeners = {});

    // Handles every event the connection has already received; how many.
    int dispatchPending();
    // Waits up to `timeout` for events and handles them; false when none came.
    bool waitAndDispatch(std::chrono::milliseconds timeout);
    // One event, as the loop hands it over.
    void handleEvent(const XEvent& event);

    bool holding() const { return holding_; }
    // A click of the program's own went to the server; should the tap catch it, it is
    // handed on untouched.
    void ownClickPosted(unsigned int button) { ownClicks_.posted(button); }
    // The pointer's buttons as the server maps them now.
    const ButtonMap& buttonMap() const { return buttons_; }

private:
    std::optional<platform::Event> translate(const XEvent& event);
    TapAnswer ask(const platform::Event& event) const;
    bool isOwnWheelClick(const XEvent& event) const;
    void answerServer(const XEvent& event, TapAnswer answer);
    void trackHold(const XEvent& event, TapAnswer answer);
    void grabMKey();
    void followMappingChange(const XEvent& event);
    void trackPassedPress(const XEvent& event, TapAnswer answer);
    void reportReleaseOfPassedPress(unsigned int button);
    void note(const std::string& line) const;

    Display& display_;
    PointerGrab& grab_;
    Callback callback_;
    Note note_;
    TapListeners listeners_;
    KeyCode mKey_;
    ButtonMap buttons_;
    bool holding_ = false;
    std::optional<KeyGrab> mKeyGrab_;
    bool mKeyRefusalNoted_ = false;
    RawReleases rawReleases_;
    ServerTimeline timeline_;
    // Buttons whose press was handed on and whose release the tap has not heard of yet.
    unsigned int passedButtons_ = 0;
    OwnClickEchoes ownClicks_;
};

}  // namespace velmor::x11
