// The X11 backend on a desktop of its own: Xvfb with a window manager, the user played with
// xdotool on a recording client's window, the GLib main loop turned by hand.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <glib.h>
#include <stdlib.h>

#include <atomic>
#include <chrono>
#include <list>
#include <set>
#include <sstream>
#include <thread>

#include "conformance/backend.h"
#include "platform/x11/event_translation.h"
#include "platform/x11/pointer_grab.h"
#include "platform/x11/posted_events.h"
#include "platform/x11/x11_platform.h"
#include "x11/recording_client_runner.h"
#include "x11/wait_until.h"
#include "x11/x_session.h"

namespace velmor::conformance {

namespace {

namespace type = platform::event_type;
using platform::TapResult;
using x11::testing::RecordingClient;
using x11::testing::turnUntil;
using x11::testing::XSession;

// HOME and the XDG folders point into the test's home while the backend lives: XdgPaths
// reads them when the platform is made.
class HomeEnvironment {
public:
    explicit HomeEnvironment(const std::filesystem::path& home) {
        set("HOME", home);
        set("XDG_CONFIG_HOME", home / ".config");
        set("XDG_DATA_HOME", home / ".local" / "share");
        set("XDG_STATE_HOME", home / ".local" / "state");
        set("XDG_CACHE_HOME", home / ".cache");
    }
    ~HomeEnvironment() {
        for (const auto& [name, value] : saved_) {
            if (value) {
                setenv(name.c_str(), value->c_str(), 1);
            } else {
                unsetenv(name.c_str());
            }
        }
    }
    HomeEnvironment(const HomeEnvironment&) = delete;
    HomeEnvironment& operator=(const HomeEnvironment&) = delete;

private:
    void set(const std::string& name, const std::filesystem::path& value) {
        const char* old = getenv(name.c_str());
        saved_.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        setenv(name.c_str(), value.c_str(), 1);
    }

    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

// The event services with the answers of every tap they made written down: a release in a
// hold belongs to the tap whatever it answers, so no window can tell.
class AnsweringEvents final : public platform::EventServices {
public:
    struct Answer {
        std::uint32_t type;
        TapResult result;
    };

    explicit AnsweringEvents(platform::EventServices& real) : real_(real) {}

    std::unique_ptr<platform::EventTap> createSessionTap(std::uint64_t mask,
                                                         platform::TapCallback callback) override {
        return real_.createSessionTap(
            mask, [this, callback = std::move(callback)](std::uint32_t eventType,
                                                         const platform::Event& event) {
                const TapResult result = callback(eventType, event);
                answers_.push_back({eventType, result});
                return result;
            });
    }
    std::unique_ptr<platform::RunLoopSource> addTapToMainRunLoop(platform::EventTap& tap) override {
        return real_.addTapToMainRunLoop(tap);
    }
    bool isKeyDown(std::uint16_t keyCode) const override { return real_.isKeyDown(keyCode); }
    std::uint16_t keyCode(platform::Key key) const override { return real_.keyCode(key); }
    std::unique_ptr<platform::EventSource> createEventSource() override {
        return real_.createEventSource();
    }
    std::optional<platform::Event> createKeyboardEvent(const platform::EventSource& source,
                                                       std::uint16_t keyCode,
                                                       bool keyDown) override {
        return real_.createKeyboardEvent(source, keyCode, keyDown);
    }
    std::optional<platform::Event> createMouseEvent(const platform::EventSource& source,
                                                    std::uint32_t eventType, Point location,
                                                    int button) override {
        return real_.createMouseEvent(source, eventType, location, button);
    }
    std::optional<platform::Event> createScrollWheelEvent(const platform::EventSource& source,
                                                          platform::ScrollUnit units,
                                                          std::uint32_t wheelCount,
                                                          std::int32_t delta) override {
        return real_.createScrollWheelEvent(source, units, wheelCount, delta);
    }
    void post(const platform::Event& event) override { real_.post(event); }
    void postOwn(const platform::Event& event) override { real_.postOwn(event); }
    bool isOwn(const platform::Event& event) const override { return real_.isOwn(event); }
    bool postSystemDefined(const platform::SystemDefinedEvent& event) override {
        return real_.postSystemDefined(event);
    }

    // The first answer to an event of this type after the first `skip` answers.
    std::optional<TapResult> answerAfter(std::size_t skip, std::uint32_t eventType) const {
        for (std::size_t i = skip; i < answers_.size(); ++i) {
            if (answers_[i].type == eventType) {
                return answers_[i].result;
            }
        }
        return std::nullopt;
    }
    std::size_t answered() const { return answers_.size(); }

private:
    platform::EventServices& real_;
    std::vector<Answer> answers_;
};

// The scheduler with its queued blocks counted, so settling knows when background work is
// done: the GLib loop only knows about its own.
class CountingScheduler final : public platform::Scheduler {
public:
    explicit CountingScheduler(platform::Scheduler& real) : real_(real) {}

    void asyncMain(platform::Block block) override { real_.asyncMain(counted(std::move(block))); }
    void asyncUserInitiated(platform::Block block) override {
        real_.asyncUserInitiated(counted(std::move(block)));
    }
    void asyncSerial(const std::string& label, platform::Block block) override {
        real_.asyncSerial(label, counted(std::move(block)));
    }
    std::unique_ptr<platform::Timer> scheduleRepeatingTimer(double intervalSeconds,
                                                            platform::Block action,
                                                            platform::TimerMode mode) override {
        return real_.scheduleRepeatingTimer(intervalSeconds, std::move(action), mode);
    }
    void runMainLoop() override { real_.runMainLoop(); }
    void quitMainLoop() override { real_.quitMainLoop(); }
    double absoluteTime() const override { return real_.absoluteTime(); }
    double secondsSince1970() const override { return real_.secondsSince1970(); }
    void sleepMicroseconds(unsigned microseconds) override {
        real_.sleepMicroseconds(microseconds);
    }

    bool idle() const { return queued_->load() == 0; }

private:
    platform::Block counted(platform::Block block) {
        ++*queued_;
        return [queued = queued_, block = std::move(block)] {
            block();
            --*queued;
        };
    }

    platform::Scheduler& real_;
    std::shared_ptr<std::atomic<int>> queued_ = std::make_shared<std::atomic<int>>(0);
};

// The X11 platform as the cases see it: the real one, its tap's answers and queues watched.
class WatchedPlatform final : public platform::Platform {
public:
    explicit WatchedPlatform(x11::X11Options options)
        : real_(std::move(options)), events_(real_.events()), scheduler_(real_.scheduler()) {}

    platform::EventServices& events() override { return events_; }
    platform::Accessibility& accessibility() override { return real_.accessibility(); }
    platform::Workspace& workspace() override { return real_.workspace(); }
    platform::Ui& ui() override { return real_.ui(); }
    platform::Scheduler& scheduler() override { return scheduler_; }
    platform::Processes& processes() override { return real_.processes(); }
    platform::UserDefaults& defaults() override { return real_.defaults(); }
    platform::NotificationCenter& notifications() override { return real_.notifications(); }
    platform::SystemActions& systemActions() override { return real_.systemActions(); }
    platform::LoginItem& loginItem() override { return real_.loginItem(); }
    platform::Paths& paths() override { return real_.paths(); }
    std::filesystem::path homeDirectory() const override { return real_.homeDirectory(); }

    const AnsweringEvents& answers() const { return events_; }
    bool idle() const { return scheduler_.idle(); }

private:
    x11::X11Platform real_;
    AnsweringEvents events_;
    CountingScheduler scheduler_;
};

bool isPress(std::uint32_t eventType) {
    return eventType == type::kRightMouseDown || eventType == type::kOtherMouseDown ||
           eventType == x11::kLeftMouseDown;
}

bool isDrag(std::uint32_t eventType) {
    constexpr std::uint32_t kLeftMouseDragged = 6;
    constexpr std::uint32_t kOtherMouseDragged = 27;
    return eventType == type::kRightMouseDragged || eventType == kLeftMouseDragged ||
           eventType == kOtherMouseDragged;
}

class X11Backend final : public Backend {
public:
    explicit X11Backend(const std::filesystem::path& home) : home_(home), environment_(home) {
        if (!session_.ready()) {
            return;
        }
        display_ = session_.connect();
        // Installed as far as starting at login goes: the suite asks the mechanism of it.
        platform_.emplace(
            x11::X11Options{session_.name(), VELMOR_BINARY, &terminal_, {}, false, true});
    }

    platform::Platform& platform() override { return *platform_; }

    std::optional<TapResult> sendInput(const platform::Event& event) override {
        if (!tapHoldsGrab() || !inputClientReady()) {
            return std::nullopt;
        }
        const std::optional<unsigned int> button = x11::xButtonOf(event);
        const bool press = isPress(event.type) || event.type == type::kScrollWheel;
        const bool release = !press && !isDrag(event.type);
        if (!button && !isDrag(event.type)) {
            ADD_FAILURE() << "no X input plays event type " << event.type;
            return std::nullopt;
        }
        // Moving with a button down is a drag, so the pointer goes where the event is only
        // when nothing is held or when the event is the drag.
        std::vector<std::string> actions;
        if (isDrag(event.type) || (press && held_.empty())) {
            actions = moveTo(event.location);
        }
        const std::string line = button ? std::string(release ? "ButtonRelease " : "ButtonPress ") +
                                              std::to_string(*button) + " "
                                        : std::string();
        if (event.type == type::kScrollWheel) {
            actions.insert(actions.end(), {"click", std::to_string(*button)});
        } else if (button) {
            actions.insert(actions.end(),
                           {release ? "mouseup" : "mousedown", std::to_string(*button)});
        }
        const bool nothingHeld = held_.empty();
        if (button && event.type != type::kScrollWheel) {
            if (release) {
                held_.erase(*button);
            } else {
                held_.insert(*button);
            }
        }

        const std::size_t asked = platform_->answers().answered();
        const int before = line.empty() ? 0 : inputClient_->countStarting(line);
        if (!session_.xdotool(actions)) {
            ADD_FAILURE() << "xdotool could not play event type " << event.type;
            return std::nullopt;
        }
        std::optional<TapResult> answer;
        turnUntil([&] {
            answer = platform_->answers().answerAfter(asked, event.type);
            return answer || (!line.empty() && inputClient_->countStarting(line) > before);
        });
        // A press the tap lets pass must reach the window under the pointer; while a button
        // is held the pointer is someone's already, and no window can tell.
        if (answer == TapResult::pass && press && nothingHeld &&
            !turnUntil([&] { return inputClient_->countStarting(line) > before; })) {
            return TapResult::swallow;
        }
        return answer;
    }

    void settle() override {
        turnUntil([&] { return platform_->idle() && !g_main_context_pending(nullptr); });
    }

    void passTime(double seconds) override {
        const auto end = std::chrono::steady_clock::now() +
                         std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                             std::chrono::duration<double>(seconds));
        while (std::chrono::steady_clock::now() < end) {
            while (g_main_context_iteration(nullptr, FALSE)) {
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    }

    bool chooseMenuItem(const std::vector<std::string>&) override { return false; }
    void answerNextAlert(int, double) override {}
    void answerNextPanel(std::optional<std::string>) override {}
    // The permission is the free grab: nothing to grant.
    void grantInputPermission() override {}

    void bringForward(const std::string& applicationId, std::int32_t) override {
        RecordingClient& client = applications_.emplace_back(
            session_, home_ / ("application-" + std::to_string(applications_.size()) + ".txt"),
            applicationId);
        if (!client.ready()) {
            ADD_FAILURE() << applicationId << " mapped no window";
            return;
        }
        if (!session_.xdotool({"windowactivate", "--sync", std::to_string(client.window())})) {
            ADD_FAILURE() << "the window manager did not activate " << applicationId;
        }
        settle();
    }

    std::optional<std::string> cannot(std::string_view part) const override {
        if (!session_.ready()) {
            return session_.problem();
        }
        if (part == "alerts") {
            return "alerts are told on the terminal and closed at once; there are no dialogs "
                   "to answer or keep open";
        }
        if (part == "panels") {
            return "open panels are cancelled; there are no dialogs to choose in";
        }
        if (part == "menus") {
            return "the status menu waits for a tray to show it; there is none";
        }
        if (part == "chosen pids") {
            return "an application's process id is the one its process got";
        }
        return std::nullopt;
    }

private:
    // Whether a tap holds the grab: then the test's own grab is refused.
    bool tapHoldsGrab() {
        x11::PointerGrab probe(*display_);
        return !probe.grab();
    }

    bool inputClientReady() {
        if (!inputClient_) {
            inputClient_.emplace(session_, home_ / "input-client.txt");
            if (!inputClient_->ready()) {
                ADD_FAILURE() << "the recording client mapped no window";
            }
        }
        return inputClient_->window() != 0;
    }

    // xdotool's motion to a point of the recording client's window.
    std::vector<std::string> moveTo(Point location) const {
        Window child = 0;
        int x = 0;
        int y = 0;
        XTranslateCoordinates(display_->get(), inputClient_->window(), display_->root(),
                              static_cast<int>(location.x), static_cast<int>(location.y), &x, &y,
                              &child);
        return {"mousemove", std::to_string(x), std::to_string(y)};
    }

    std::filesystem::path home_;
    HomeEnvironment environment_;
    XSession session_;
    std::optional<x11::Display> display_;
    std::ostringstream terminal_;
    std::optional<WatchedPlatform> platform_;
    std::optional<RecordingClient> inputClient_;
    std::list<RecordingClient> applications_;
    std::set<unsigned int> held_;
};

}  // namespace

BackendFactory x11Backend() {
    return {"x11", [](const std::filesystem::path& home) -> std::unique_ptr<Backend> {
                return std::make_unique<X11Backend>(home);
            }};
}

}  // namespace velmor::conformance
