#include "platform/x11/x11_event_services.h"

#include <X11/keysym.h>

#include <chrono>
#include <thread>

#include "platform/x11/error_trap.h"
#include "platform/x11/event_translation.h"
#include "platform/x11/input_extensions.h"
#include "platform/x11/posted_events.h"
#include "platform/x11/server_mappings.h"

namespace velmor::x11 {
namespace {

constexpr int kGrabAttempts = 3;
constexpr std::chrono::milliseconds kGrabRetryPause{30};

// Another client may hold the buttons only for a moment, probing as we do; asking again a
// little later tells a passing holder from one that keeps them.
template <typename Grab>
bool grabAllowingPassingHolders(Grab grab) {
    for (int attempt = 1; attempt < kGrabAttempts; ++attempt) {
        if (grab()) {
            return true;
        }
        std::this_thread::sleep_for(kGrabRetryPause);
    }
    return grab();
}

namespace type = platform::event_type;
namespace field = platform::event_field;

class X11EventSource final : public platform::EventSource {};

// The seam's tap owns the connection; dropping it ends the grab at once, even while the
// main loop still holds the connection for a moment.
class X11EventTap final : public platform::EventTap {
public:
    explicit X11EventTap(std::shared_ptr<TapConnection> connection)
        : connection_(std::move(connection)) {}
    ~X11EventTap() override { connection_->close(); }
    X11EventTap(const X11EventTap&) = delete;
    X11EventTap& operator=(const X11EventTap&) = delete;

    void enable(bool enabled) override {
        if (enabled) {
            connection_->grab();
        } else {
            connection_->release();
        }
    }
    bool isEnabled() const override { return connection_->grabbed(); }
    // The server never takes a passive grab away; only the program lets it go.
    bool systemMayDisable() const override { return false; }
    const std::shared_ptr<TapConnection>& connection() const { return connection_; }

private:
    std::shared_ptr<TapConnection> connection_;
};

// Keeps the connection open while the main loop watches it; the watch goes first.
class WatchedTap final : public platform::RunLoopSource {
public:
    WatchedTap(std::shared_ptr<TapConnection> connection,
               std::unique_ptr<ConnectionWatchToken> watch)
        : connection_(std::move(connection)), watch_(std::move(watch)) {}

private:
    std::shared_ptr<TapConnection> connection_;
    std::unique_ptr<ConnectionWatchToken> watch_;
};

}  // namespace

X11EventServices::X11EventServices(std::string displayName, ConnectionWatcher& watcher,
                                   platform::Scheduler& scheduler, Reporter reporter)
    : displayName_(std::move(displayName)),
      watcher_(watcher),
      scheduler_(scheduler),
      reporter_(std::move(reporter)),
      mainThread_(std::this_thread::get_id()),
      keyboard_(displayName_),
      wheel_(displayName_, ownWheel_) {}

std::unique_ptr<platform::EventTap> X11EventServices::createSessionTap(
    std::uint64_t eventMask, platform::TapCallback callback) {
    std::optional<Display> display = Display::open(displayName_);
    if (!display || !hasInputExtensions(display->get())) {
        return nullptr;
    }
    auto connection = std::make_shared<TapConnection>(
        std::move(*display), eventMask, std::move(callback),
        [reporter = reporter_](const std::string& note) {
            if (reporter) {
                reporter(note);
            }
        },
        TapListeners{ownWheel_, seenModifiers_, gestureHoldBegan_});
    if (!grabAllowingPassingHolders([&] { return connection->grab(); })) {
        return nullptr;
    }
    tap_ = connection;
    return std::make_unique<X11EventTap>(std::move(connection));
}

std::unique_ptr<platform::RunLoopSource> X11EventServices::addTapToMainRunLoop(
    platform::EventTap& tap) {
    auto* ours = dynamic_cast<X11EventTap*>(&tap);
    if (ours == nullptr) {
        return nullptr;
    }
    TapConnection* connection = ours->connection().get();
    std::unique_ptr<ConnectionWatchToken> watch =
        watcher_.watchConnection(connection->handle(), [connection] { connection->dispatch(); });
    if (!watch) {
        return nullptr;
    }
    return std::make_unique<WatchedTap>(ours->connection(), std::move(watch));
}

bool X11EventServices::isKeyDown(std::uint16_t keyCode) const {
    return keyCode == kMKeyCode && keyboard_.isDown(XK_m);
}

std::uint16_t X11EventServices::keyCode(platform::Key) const {
    return static_cast<std::uint16_t>(kMKeyCode);
}

std::unique_ptr<platform::EventSource> X11EventServices::createEventSource() {
    return std::make_unique<X11EventSource>();
}

std::optional<platform::Event> X11EventServices::createKeyboardEvent(const platform::EventSource&,
                                                                     std::uint16_t keyCode,
                                                                     bool keyDown) {
    return platform::Event::keyboard(keyCode, keyDown);
}

std::optional<platform::Event> X11EventServices::createMouseEvent(const platform::EventSource&,
                                                                  std::uint32_t eventType,
                                                                  Point location, int button) {
    return platform::Event::mouse(eventType, location, button);
}

std::optional<platform::Event> X11EventServices::createScrollWheelEvent(
    const platform::EventSource&, platform::ScrollUnit units, std::uint32_t, std::int32_t delta) {
    return platform::Event::scrollWheel(delta, units == platform::ScrollUnit::pixel);
}

void X11EventServices::post(const platform::Event& event) {
    if (event.type == type::kScrollWheel) {
        if (const int clicks = wheelClicksOf(event); clicks != 0) {
            wheel_.scroll(clicks);
        }
    } else if (const std::optional<ButtonAction> action = buttonActionOf(event)) {
        wheel_.press(action->button, action->down, event.location);
    }
}

void X11EventServices::postOwn(const platform::Event& event) {
    if (std::this_thread::get_id() == mainThread_) {
        postOwnOnMain(event);
    } else {
        scheduler_.asyncMain([this, event] { postOwnOnMain(event); });
    }
}

void X11EventServices::postOwnOnMain(const platform::Event& event) {
    if (const std::optional<ClickPairing::Click> pair = ownClicks_.take(event)) {
        click(*pair);
    }
}

void X11EventServices::click(const ClickPairing::Click& click) {
    if (const std::shared_ptr<TapConnection> tap = tap_.lock()) {
        tap->click(click.at, click.button);
        return;
    }
    // Without a tap there is no grab to lift, and any connection will do.
    if (std::optional<Display> display = Display::open(displayName_)) {
        PointerGrab none(*display);
        ErrorTrap trap(display->get());
        const ButtonMap buttons = readButtonMap(display->get());
        XTestPoster(*display, none, buttons).click(click.at, click.button);
    }
}

bool X11EventServices::inputPermission() {
    if (const std::shared_ptr<TapConnection> tap = tap_.lock(); tap && tap->grabbed()) {
        return true;
    }
    std::optional<Display> display = Display::open(displayName_);
    if (!display || !hasInputExtensions(display->get())) {
        return false;
    }
    // Taken and let go at once: the probe only asks whether the server would refuse it.
    PointerGrab probe(*display);
    return grabAllowingPassingHolders([&] { return probe.grab(); });
}

}  // namespace velmor::x11
