#include "platform/sim/sim_accessibility.h"

namespace velmor::sim {

namespace {
// The system's messaging time-out when the caller sets none.
constexpr double kDefaultMessagingTimeout = 6.0;
}  // namespace

bool SimAccessibility::checkInputPermission(bool askUser) {
    if (askUser) {
        recorder_.record("prompt");
    }
    return trusted_;
}

std::optional<platform::WindowElement> SimAccessibility::focusedWindow(std::int32_t pid,
                                                                       double timeout) {
    if (!request(pid, "AXFocusedWindow", timeout)) {
        return std::nullopt;
    }
    const std::lock_guard lock(mutex_);
    auto found = windows_.find(pid);
    // A minimised window has left the focus.
    if (found == windows_.end() || found->second.minimized) {
        return std::nullopt;
    }
    return platform::WindowElement{pid, found->second.id};
}

std::optional<std::string> SimAccessibility::windowTitle(const platform::WindowElement& window,
                                                         double timeout) {
    if (!request(window.pid, "AXTitle", timeout)) {
        return std::nullopt;
    }
    const std::lock_guard lock(mutex_);
    const Window* found = windowOf(window);
    return found ? found->title : std::nullopt;
}

bool SimAccessibility::setMinimized(const platform::WindowElement& window, bool minimized,
                                    double timeout) {
    if (!request(window.pid, "AXMinimized", timeout)) {
        return false;
    }
    {
        const std::lock_guard lock(mutex_);
        Window* found = windowOf(window);
        if (!found) {
            return false;
        }
        found->minimized = minimized;
    }
    recorder_.record(minimized ? "minimize" : "unminimize", {{"pid", Value::integer(window.pid)}});
    return true;
}

void SimAccessibility::setFocusedWindow(std::int32_t pid, std::optional<std::string> title) {
    const std::lock_guard lock(mutex_);
    windows_[pid] = Window{nextWindowId_++, std::move(title), false};
}

void SimAccessibility::removeFocusedWindow(std::int32_t pid) {
    const std::lock_guard lock(mutex_);
    windows_.erase(pid);
}

bool SimAccessibility::isWindowMinimized(std::int32_t pid) const {
    const std::lock_guard lock(mutex_);
    auto found = windows_.find(pid);
    return found != windows_.end() && found->second.minimized;
}

void SimAccessibility::setRequestOutcome(std::int32_t pid, const std::string& attribute,
                                         AxOutcome outcome) {
    const std::lock_guard lock(mutex_);
    outcomes_[{pid, attribute}] = outcome;
}

bool SimAccessibility::request(std::int32_t pid, const std::string& attribute, double timeout) {
    recorder_.record("ax-request", {{"pid", Value::integer(pid)},
                                    {"attribute", Value(attribute)},
                                    {"timeout", Value::real(timeout)}});
    if (!trusted_) {
        return false;
    }
    AxOutcome outcome = AxOutcome::answer;
    {
        const std::lock_guard lock(mutex_);
        if (auto scripted = outcomes_.find({pid, attribute}); scripted != outcomes_.end()) {
            outcome = scripted->second;
        }
    }
    if (outcome == AxOutcome::timeout) {
        scheduler_.passTime(timeout > 0.0 ? timeout : kDefaultMessagingTimeout);
    }
    return outcome == AxOutcome::answer;
}

SimAccessibility::Window* SimAccessibility::windowOf(const platform::WindowElement& element) {
    auto found = windows_.find(element.pid);
    // A window element of a window that has since been replaced answers nothing.
    if (found == windows_.end() || found->second.id != element.id) {
        return nullptr;
    }
    return &found->second;
}

}  // namespace velmor::sim
