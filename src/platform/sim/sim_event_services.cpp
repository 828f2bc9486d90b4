#include "platform/sim/sim_event_services.h"

#include <algorithm>
#include <utility>

#include "platform/macos_tables/macos_keys.h"

namespace velmor::sim {

using platform::Event;
using platform::TapResult;
namespace event_type = platform::event_type;
namespace event_field = platform::event_field;

namespace {

bool isMouseType(std::uint32_t type) {
    return (type >= 1 && type <= 7) || (type >= event_type::kOtherMouseDown && type <= 27);
}

bool maskSelects(std::uint64_t mask, std::uint32_t type) {
    return type < 64 && ((mask >> type) & 1u) != 0;
}

class SimEventSource final : public platform::EventSource {};

// How a created scroll event remembers what it was made with until it is posted: the
// services' own continuous-scroll field (1 for pixel units), and a field number of the
// simulation's own for the wheel count, which real events do not expose.
constexpr int kSimScrollWheelCount = -1;

}  // namespace

struct SimEventServices::TapState {
    SimEventServices* owner = nullptr;
    std::uint64_t mask = 0;
    platform::TapCallback callback;
    bool enabled = false;  // a new tap starts disabled
    bool inRunLoop = false;
};

// The program's handle on a tap; the services own the state, so a handle that outlives
// them does no harm.
class SimEventServices::SimTap final : public platform::EventTap {
public:
    explicit SimTap(std::weak_ptr<TapState> state) : state_(std::move(state)) {}
    ~SimTap() override {
        if (auto state = state_.lock()) {
            state->owner->release(*state);
        }
    }
    void enable(bool enabled) override {
        if (auto state = state_.lock()) {
            state->enabled = enabled;
            state->owner->recorder_.record("tap-enabled", {{"enabled", Value::boolean(enabled)}});
        }
    }
    bool isEnabled() const override {
        auto state = state_.lock();
        return state && state->enabled;
    }
    bool systemMayDisable() const override {
        auto state = state_.lock();
        return !state || state->owner->systemMayDisableTaps();
    }
    std::weak_ptr<TapState> state() const { return state_; }

private:
    std::weak_ptr<TapState> state_;
};

class SimEventServices::SimSource final : public platform::RunLoopSource {
public:
    explicit SimSource(std::weak_ptr<TapState> state) : state_(std::move(state)) {}
    ~SimSource() override {
        if (auto state = state_.lock()) {
            state->owner->removeSource(*state);
        }
    }

private:
    std::weak_ptr<TapState> state_;
};

SimEventServices::~SimEventServices() = default;

std::unique_ptr<platform::EventTap> SimEventServices::createSessionTap(
    std::uint64_t eventMask, platform::TapCallback callback) {
    scheduler_.requireMainThread("createSessionTap");
    const bool refused = failNextTap_ || !accessibility_.trusted();
    failNextTap_ = false;
    const auto mask = Value::unsignedInteger(eventMask);
    if (refused) {
        recorder_.record("tap-refused", {{"mask", mask}});
        return nullptr;
    }
    auto state = std::make_shared<TapState>();
    state->owner = this;
    state->mask = eventMask;
    state->callback = std::move(callback);
    taps_.push_back(state);
    recorder_.record("tap-created", {{"mask", mask}});
    return std::make_unique<SimTap>(state);
}

std::unique_ptr<platform::RunLoopSource> SimEventServices::addTapToMainRunLoop(
    platform::EventTap& tap) {
    scheduler_.requireMainThread("addTapToMainRunLoop");
    auto* simTap = dynamic_cast<SimTap*>(&tap);
    auto state = simTap ? simTap->state().lock() : nullptr;
    if (!state || runLoopSourceFails_) {
        recorder_.record("run-loop-source-refused");
        return nullptr;
    }
    state->inRunLoop = true;
    recorder_.record("run-loop-source-added");
    return std::make_unique<SimSource>(state);
}

void SimEventServices::release(TapState& tap) {
    std::erase_if(taps_, [&tap](const auto& state) { return state.get() == &tap; });
    recorder_.record("tap-released");
}

void SimEventServices::removeSource(TapState& tap) {
    tap.inRunLoop = false;
    recorder_.record("run-loop-source-removed");
}

std::unique_ptr<platform::EventSource> SimEventServices::createEventSource() {
    if (eventSourcesFail_) {
        return nullptr;
    }
    return std::make_unique<SimEventSource>();
}

bool SimEventServices::consumeEventCreationFailure() {
    if (eventCreationFailures_ <= 0) {
        return false;
    }
    --eventCreationFailures_;
    return true;
}

std::optional<Event> SimEventServices::createKeyboardEvent(const platform::EventSource&,
                                                           std::uint16_t keyCode, bool keyDown) {
    if (consumeEventCreationFailure()) {
        return std::nullopt;
    }
    return Event::keyboard(keyCode, keyDown, pointer());
}

std::optional<Event> SimEventServices::createMouseEvent(const platform::EventSource&,
                                                        std::uint32_t type, Point location,
                                                        int button) {
    if (consumeEventCreationFailure()) {
        return std::nullopt;
    }
    return Event::mouse(type, location, button);
}

std::optional<Event> SimEventServices::createScrollWheelEvent(const platform::EventSource&,
                                                              platform::ScrollUnit units,
                                                              std::uint32_t wheelCount,
                                                              std::int32_t delta) {
    if (consumeEventCreationFailure()) {
        return std::nullopt;
    }
    Event event = Event::scrollWheel(delta, units == platform::ScrollUnit::pixel, pointer());
    event.setIntegerField(kSimScrollWheelCount, wheelCount);
    return event;
}

Point SimEventServices::pointer() const {
    const std::lock_guard lock(pointerMutex_);
    return pointer_;
}

void SimEventServices::movePointer(Point location) {
    const std::lock_guard lock(pointerMutex_);
    pointer_ = location;
}

std::uint16_t SimEventServices::keyCode(platform::Key) const {
    return macos::keys::kM;
}

void SimEventServices::postOwn(const Event& event) {
    Event marked = event;
    marked.setIntegerField(event_field::kSourceUserData, macos::kSyntheticEventMarker);
    post(marked);
}

bool SimEventServices::isOwn(const Event& event) const {
    return event.integerField(event_field::kSourceUserData) == macos::kSyntheticEventMarker;
}

void SimEventServices::post(const Event& event) {
    if (event.type == event_type::kKeyDown || event.type == event_type::kKeyUp) {
        recorder_.record(
            "key", {{"key", Value::integer(event.integerField(event_field::kKeyboardKeycode))},
                    {"flags", Value::unsignedInteger(event.flags)},
                    {"down", Value::boolean(event.type == event_type::kKeyDown)}});
    } else if (isMouseType(event.type)) {
        movePointer(event.location);
        recorder_.record(
            "mouse",
            {{"type", Value::integer(event.type)},
             {"x", Value::real(event.location.x)},
             {"y", Value::real(event.location.y)},
             {"button", Value::integer(event.integerField(event_field::kMouseButtonNumber))},
             {"marker", Value::integer(event.integerField(event_field::kSourceUserData))}});
    } else if (event.type == event_type::kScrollWheel) {
        const bool pixels = event.integerField(event_field::kScrollWheelEventIsContinuous) != 0;
        recorder_.record(
            "scroll",
            {{"delta", Value::integer(event.integerField(event_field::kScrollWheelDeltaAxis1))},
             {"units", Value::integer(static_cast<std::int64_t>(
                           pixels ? platform::ScrollUnit::pixel : platform::ScrollUnit::line))},
             {"wheels", Value::integer(event.integerField(kSimScrollWheelCount))}});
    } else {
        recorder_.record("post", {{"type", Value::integer(event.type)}});
    }
}

bool SimEventServices::postSystemDefined(const platform::SystemDefinedEvent& event) {
    if (consumeEventCreationFailure()) {
        return false;
    }
    recorder_.record("media", {{"media", Value::integer(event.data1 >> 16)},
                               {"data1", Value::integer(event.data1)},
                               {"data2", Value::integer(event.data2)},
                               {"subtype", Value::integer(event.subtype)},
                               {"flags", Value::unsignedInteger(event.modifierFlags)},
                               {"x", Value::real(event.location.x)},
                               {"y", Value::real(event.location.y)},
                               {"timestamp", Value::real(event.timestamp)},
                               {"window", Value::integer(event.windowNumber)}});
    return true;
}

TapResult SimEventServices::deliverEvent(const Event& userEvent) {
    Event event = userEvent;
    if (event.timestamp == 0) {
        event.timestamp = scheduler_.inputTime();  // the moment it is delivered
    }
    if (isMouseType(event.type)) {
        movePointer(event.location);
    }
    TapResult result = TapResult::pass;
    // Newest first; copies keep a tap alive while its callback runs, even if it is released.
    const auto taps = taps_;
    for (auto tap = taps.rbegin(); tap != taps.rend() && result == TapResult::pass; ++tap) {
        const TapState& state = **tap;
        if (state.enabled && state.inRunLoop && maskSelects(state.mask, event.type)) {
            SimScheduler::CallbackScope inside(scheduler_);
            result = state.callback(event.type, event);
        }
    }
    recorder_.record("event", {{"type", Value::integer(event.type)},
                               {"result", Value(result == TapResult::pass ? "pass" : "swallow")}});
    scheduler_.runUntilIdle();
    return result;
}

SimEventServices::TapState* SimEventServices::newestTap() const {
    return taps_.empty() ? nullptr : taps_.back().get();
}

bool SimEventServices::tapEnabled() const {
    const TapState* tap = newestTap();
    return tap && tap->enabled;
}

bool SimEventServices::disableTap(bool byTimeout) {
    if (!newestTap()) {
        return false;
    }
    const auto tap = taps_.back();
    tap->enabled = false;
    recorder_.record("tap-disabled", {{"reason", Value(byTimeout ? "timeout" : "user-input")}});
    notifyDisabled(
        *tap, byTimeout ? event_type::kTapDisabledByTimeout : event_type::kTapDisabledByUserInput);
    scheduler_.runUntilIdle();
    return true;
}

void SimEventServices::notifyDisabled(TapState& tap, std::uint32_t type) {
    if (!tap.inRunLoop) {
        return;
    }
    SimScheduler::CallbackScope inside(scheduler_);
    tap.callback(type, Event(type, pointer()));
}

bool SimEventServices::disableTapSilently() {
    TapState* tap = newestTap();
    if (!tap) {
        return false;
    }
    tap->enabled = false;
    recorder_.record("tap-disabled", {{"reason", Value("silent")}});
    return true;
}

void SimEventServices::setKeyDown(std::uint16_t keyCode, bool down) {
    if (down) {
        keysDown_.insert(keyCode);
    } else {
        keysDown_.erase(keyCode);
    }
}

}  // namespace velmor::sim
