#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/event.h"
#include "platform/x11/display.h"
#include "platform/x11/key_grab.h"
#include "platform/x11/raw_releases.h"
#include "platform/x11/server_timeline.h"
#include "platform/x11/tap_answer.h"

namespace velmor::x11 {

// Reads the events of the grab connection, asks the callback about each one, and answers
// the server for every event, whatever the callback did: a frozen pointer or keyboard stays
// frozen until it is answered. A hold is the time from a kept grabbed press until every
// button is up again; the M key is grabbed only while a hold lasts. Used on the thread that
// owns the connection.
class TapPump {
public:
    using Callback = std::function<TapAnswer(std::uint32_t type, const platform::Event& event)>;
    // A press during a hold that the callback wanted to pass: the server can no longer hand
    // it on, so it is dropped and reported here.
    using DroppedPress = std::function<void(const platform::Event& event)>;

    TapPump(Display& display, Callback callback, DroppedPress dropped = {});

    // Handles every event the connection has already received; how many.
    int dispatchPending();
    // Waits up to `timeout` for events and handles them; false when none came.
    bool waitAndDispatch(std::chrono::milliseconds timeout);
    // One event, as the loop hands it over.
    void handleEvent(const XEvent& event);

    bool holding() const { return holding_; }

private:
    // The event as the routing sees it, stamped on the input clock; nothing when it has no
    // meaning there.
    std::optional<platform::Event> translate(const XEvent& event);
    TapAnswer ask(const platform::Event& event) const;
    void answerServer(const XEvent& event, TapAnswer answer);
    void trackHold(const XEvent& event, TapAnswer answer);
    void followMappingChange(const XEvent& event);
    void trackPassedPress(const XEvent& event, TapAnswer answer);
    void reportReleaseOfPassedPress(unsigned int button);

    Display& display_;
    Callback callback_;
    DroppedPress dropped_;
    KeyCode mKey_;
    bool holding_ = false;
    std::optional<KeyGrab> mKeyGrab_;
    RawReleases rawReleases_;
    ServerTimeline timeline_;
    // Buttons whose press was handed on and whose release the tap has not heard of yet.
    unsigned int passedButtons_ = 0;
};

}  // namespace velmor::x11
