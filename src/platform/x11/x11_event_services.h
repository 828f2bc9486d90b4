#pragma once

#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "platform/event_services.h"
#include "platform/scheduler.h"
#include "platform/x11/click_pairing.h"
#include "platform/x11/connection_watch.h"
#include "platform/x11/keyboard_state.h"
#include "platform/x11/tap_connection.h"
#include "platform/x11/wheel_poster.h"

namespace velmor::x11 {

// The event services on an X server. The tap is a passive grab of the right and middle
// buttons on a connection of its own, served by the main loop; the program's own clicks are
// posted on that connection with the grab lifted, so they never come back to the tap and
// need no mark. Posting from other threads and the key state use connections of their own.
// Made on the main thread, which it takes as the thread of the tap.
class X11EventServices final : public platform::EventServices {
public:
    // Receives the gesture-log note about a press that could not be handed on.
    using Reporter = std::function<void(const std::string& note)>;

    // `displayName` empty means $DISPLAY.
    X11EventServices(std::string displayName, ConnectionWatcher& watcher,
                     platform::Scheduler& scheduler, Reporter reporter);
    X11EventServices(const X11EventServices&) = delete;
    X11EventServices& operator=(const X11EventServices&) = delete;

    // Nothing when the server cannot be reached, lacks XTEST or XInput 2, or another
    // program holds the grab. The tap comes with the grab taken.
    std::unique_ptr<platform::EventTap> createSessionTap(std::uint64_t eventMask,
                                                         platform::TapCallback callback) override;
    std::unique_ptr<platform::RunLoopSource> addTapToMainRunLoop(platform::EventTap& tap) override;

    bool isKeyDown(std::uint16_t keyCode) const override;
    std::uint16_t keyCode(platform::Key key) const override;

    std::unique_ptr<platform::EventSource> createEventSource() override;
    std::optional<platform::Event> createKeyboardEvent(const platform::EventSource& source,
                                                       std::uint16_t keyCode,
                                                       bool keyDown) override;
    std::optional<platform::Event> createMouseEvent(const platform::EventSource& source,
                                                    std::uint32_t type, Point location,
                                                    int button) override;
    std::optional<platform::Event> createScrollWheelEvent(const platform::EventSource& source,
                                                          platform::ScrollUnit units,
                                                          std::uint32_t wheelCount,
                                                          std::int32_t delta) override;

    // Wheel events and mouse buttons; keys have no X counterpart here and are ignored.
    void post(const platform::Event& event) override;
    // A press is held back until its release, then both go as one click.
    void postOwn(const platform::Event& event) override;
    bool isOwn(const platform::Event&) const override { return false; }
    bool postSystemDefined(const platform::SystemDefinedEvent&) override { return false; }

    // Main thread: whether the server is reachable, has the extensions, and the right-button
    // grab is ours or could be.
    bool inputPermission();

    // What the tap sees of the modifiers, for the keys the gestures post.
    std::shared_ptr<const SeenModifiers> seenModifiers() const { return seenModifiers_; }
    // Set before the tap is made; called on the main thread as each right-button hold begins,
    // once its press is answered.
    void onGestureHoldBegan(std::function<void()> observer) {
        gestureHoldBegan_ = std::move(observer);
    }

private:
    void postOwnOnMain(const platform::Event& event);
    void click(const ClickPairing::Click& click);

    std::string displayName_;
    ConnectionWatcher& watcher_;
    platform::Scheduler& scheduler_;
    Reporter reporter_;
    std::thread::id mainThread_;
    std::weak_ptr<TapConnection> tap_;
    ClickPairing ownClicks_;
    KeyboardState keyboard_;
    std::shared_ptr<OwnWheel> ownWheel_ = std::make_shared<OwnWheel>();
    std::shared_ptr<SeenModifiers> seenModifiers_ = std::make_shared<SeenModifiers>();
    std::function<void()> gestureHoldBegan_;
    WheelPoster wheel_;
};

}  // namespace velmor::x11
