#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include "platform/event_services.h"
#include "platform/sim/sim_accessibility.h"
#include "platform/sim/sim_recorder.h"
#include "platform/sim/sim_scheduler.h"

namespace velmor::sim {

// The simulated event services. Input enters through deliverEvent, the same way the real
// services call a tap; posted events are recorded, not delivered back to the tap.
class SimEventServices : public platform::EventServices {
public:
    SimEventServices(SimScheduler& scheduler, SimRecorder& recorder,
                     const SimAccessibility& accessibility)
        : scheduler_(scheduler), recorder_(recorder), accessibility_(accessibility) {}
    ~SimEventServices() override;
    SimEventServices(const SimEventServices&) = delete;
    SimEventServices& operator=(const SimEventServices&) = delete;

    std::unique_ptr<platform::EventTap> createSessionTap(std::uint64_t eventMask,
                                                         platform::TapCallback callback) override;
    std::unique_ptr<platform::RunLoopSource> addTapToMainRunLoop(platform::EventTap& tap) override;
    bool isKeyDown(std::uint16_t keyCode) const override { return keysDown_.contains(keyCode); }
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
    void post(const platform::Event& event) override;
    // Marked as the macOS program marks its own events, in the source-user-data field.
    void postOwn(const platform::Event& event) override;
    bool isOwn(const platform::Event& event) const override;
    bool postSystemDefined(const platform::SystemDefinedEvent& event) override;

    // Hands one event of the user to the taps, newest first, as the system does; records it,
    // then runs the queues to idle. Pass when no enabled tap in the run loop wants it. An
    // event without a timestamp is stamped with the moment it is delivered.
    platform::TapResult deliverEvent(const platform::Event& event);
    // The system switches the newest tap off and tells its callback why. False when there is
    // no tap.
    bool disableTap(bool byTimeout);
    // The system switches the newest tap off without telling anyone.
    bool disableTapSilently();
    bool tapExists() const { return newestTap() != nullptr; }
    bool tapEnabled() const;

    void setKeyDown(std::uint16_t keyCode, bool down);
    void failNextTapCreation() { failNextTap_ = true; }
    void setRunLoopSourceFails(bool fails) { runLoopSourceFails_ = fails; }
    // As on a Mac the system may switch taps off; a desktop whose taps only the program
    // switches off is played with false.
    void setSystemMayDisableTaps(bool may) { systemMayDisableTaps_ = may; }
    bool systemMayDisableTaps() const { return systemMayDisableTaps_; }
    void setEventSourcesFail(bool fail) { eventSourcesFail_ = fail; }
    // The next `count` event creations fail (keyboard, mouse, scroll, media counterpart).
    void failEventCreations(int count) { eventCreationFailures_ = count; }

private:
    struct TapState;
    class SimTap;
    class SimSource;

    TapState* newestTap() const;
    bool consumeEventCreationFailure();
    void notifyDisabled(TapState& tap, std::uint32_t type);
    void release(TapState& tap);
    void removeSource(TapState& tap);

    SimScheduler& scheduler_;
    SimRecorder& recorder_;
    const SimAccessibility& accessibility_;
    std::vector<std::shared_ptr<TapState>> taps_;  // oldest first
    std::set<std::uint16_t> keysDown_;
    // The pointer is read by events made on background threads too.
    Point pointer() const;
    void movePointer(Point location);
    mutable std::mutex pointerMutex_;
    Point pointer_;
    bool failNextTap_ = false;
    bool runLoopSourceFails_ = false;
    bool systemMayDisableTaps_ = true;
    bool eventSourcesFail_ = false;
    int eventCreationFailures_ = 0;
};

}  // namespace velmor::sim
