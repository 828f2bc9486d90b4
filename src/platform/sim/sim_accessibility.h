#pragma once

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <utility>

#include "platform/accessibility.h"
#include "platform/sim/sim_recorder.h"
#include "platform/sim/sim_scheduler.h"

namespace velmor::sim {

// How a scripted accessibility request ends.
enum class AxOutcome { answer, error, timeout };

// The accessibility service: the trust switch and the focused window of each process.
// Every request is recorded as "ax-request"; all requests fail while untrusted. Any thread:
// the actions of two gestures may ask at once from the background queues.
class SimAccessibility : public platform::Accessibility {
public:
    SimAccessibility(SimScheduler& scheduler, SimRecorder& recorder)
        : scheduler_(scheduler), recorder_(recorder) {}

    bool hasInputPermission() override { return trusted_; }
    bool checkInputPermission(bool askUser) override;
    std::optional<platform::WindowElement> focusedWindow(std::int32_t pid, double timeout) override;
    std::optional<std::string> windowTitle(const platform::WindowElement& window,
                                           double timeout) override;
    bool setMinimized(const platform::WindowElement& window, bool minimized,
                      double timeout) override;

    void setTrusted(bool trusted) { trusted_ = trusted; }
    bool trusted() const { return trusted_; }
    // Gives the process a new focused window; a title of nothing is a title that is no string.
    void setFocusedWindow(std::int32_t pid, std::optional<std::string> title);
    void removeFocusedWindow(std::int32_t pid);
    bool isWindowMinimized(std::int32_t pid) const;
    // A timed-out request lets its whole time-out pass on the virtual clock.
    void setRequestOutcome(std::int32_t pid, const std::string& attribute, AxOutcome outcome);

private:
    struct Window {
        std::int64_t id = 0;
        std::optional<std::string> title;
        bool minimized = false;
    };

    bool request(std::int32_t pid, const std::string& attribute, double timeout);
    Window* windowOf(const platform::WindowElement& element);  // with the lock held

    SimScheduler& scheduler_;
    SimRecorder& recorder_;
    std::atomic<bool> trusted_{false};
    mutable std::mutex mutex_;  // guards the windows, the outcomes and the next id
    std::map<std::int32_t, Window> windows_;
    std::map<std::pair<std::int32_t, std::string>, AxOutcome> outcomes_;
    std::int64_t nextWindowId_ = 1;
};

}  // namespace velmor::sim
