#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "platform/event.h"

namespace velmor::platform {

enum class TapResult { pass, swallow };

// Units of a scroll-wheel event's deltas, numbered as the event services number them.
enum class ScrollUnit : std::uint32_t { pixel = 0, line = 1 };

// Called for every tapped event on the main thread; never fails, never blocks.
using TapCallback = std::function<TapResult(std::uint32_t type, const Event& event)>;

// A session event tap. Destroying it releases the tap.
class EventTap {
public:
    virtual ~EventTap() = default;
    virtual void enable(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    // Whether the system may switch the tap off by itself (a slow callback, user input), so
    // that someone must watch for it; a tap only the program switches off needs no watching.
    virtual bool systemMayDisable() const { return true; }
};

// The tap's source on the main run loop, also during modals. Destroying it removes it.
class RunLoopSource {
public:
    virtual ~RunLoopSource() = default;
};

// An event source in the combined session state. Destroying it releases it.
class EventSource {
public:
    virtual ~EventSource() = default;
};

// Keys the program watches, named; each backend knows its own code for them.
enum class Key { m };

// Making, adding and enabling the tap: main thread only. Key state, event creation and
// posting: any thread (the scroll burst posts from a background queue).
class EventServices {
public:
    virtual ~EventServices() = default;

    // A session-level active tap at the head of the taps for the event mask; nothing when
    // the system refuses (no accessibility permission).
    virtual std::unique_ptr<EventTap> createSessionTap(std::uint64_t eventMask,
                                                       TapCallback callback) = 0;
    // Nothing when the source cannot be made.
    virtual std::unique_ptr<RunLoopSource> addTapToMainRunLoop(EventTap& tap) = 0;

    // The combined session key state of one key code.
    virtual bool isKeyDown(std::uint16_t keyCode) const = 0;
    // The code this backend's keyboard events carry for the key.
    virtual std::uint16_t keyCode(Key key) const = 0;

    virtual std::unique_ptr<EventSource> createEventSource() = 0;
    virtual std::optional<Event> createKeyboardEvent(const EventSource& source,
                                                     std::uint16_t keyCode, bool keyDown) = 0;
    virtual std::optional<Event> createMouseEvent(const EventSource& source, std::uint32_t type,
                                                  Point location, int button) = 0;
    // A scroll-wheel event; delta is the first wheel's.
    virtual std::optional<Event> createScrollWheelEvent(const EventSource& source, ScrollUnit units,
                                                        std::uint32_t wheelCount,
                                                        std::int32_t delta) = 0;

    // Posts at the HID event tap.
    virtual void post(const Event& event) = 0;
    // Posts an event as this program's own: the tap passes it on, and isOwn knows it. How
    // a backend marks its own events is its business.
    virtual void postOwn(const Event& event) = 0;
    virtual bool isOwn(const Event& event) const = 0;
    // Posts the Quartz counterpart of a system-defined event at the HID event tap; false
    // when the event has no counterpart (nothing is posted then).
    virtual bool postSystemDefined(const SystemDefinedEvent& event) = 0;
};

}  // namespace velmor::platform
