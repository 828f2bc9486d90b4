#include "x11/tap_thread.h"

#include <algorithm>

#include "x11/wait_until.h"

namespace velmor::x11::testing {

TapThread::TapThread(const std::string& display, Decide decide)
    : decide_(std::move(decide)), display_(Display::open(display)) {
    if (!display_) {
        return;
    }
    grab_.emplace(*display_);
    grabbed_ = grab_->grab();
    poster_.emplace(*display_, *grab_);
    pump_.emplace(
        *display_, [this](std::uint32_t, const platform::Event& event) { return onEvent(event); },
        [this](const platform::Event& event) {
            const std::lock_guard lock(mutex_);
            dropped_.push_back(event);
        });
    // From here on only the pump's thread touches the connection.
    thread_ = std::thread([this] { run(); });
}

TapThread::~TapThread() {
    stop_ = true;
    if (thread_.joinable()) {
        thread_.join();
    }
}

void TapThread::run() {
    while (!stop_) {
        pump_->waitAndDispatch(std::chrono::milliseconds(20));
        holding_ = pump_->holding();
    }
}

TapAnswer TapThread::onEvent(const platform::Event& event) {
    {
        const std::lock_guard lock(mutex_);
        seen_.push_back(event.type);
    }
    return decide_(*poster_, event);
}

std::vector<std::uint32_t> TapThread::seenTypes() const {
    const std::lock_guard lock(mutex_);
    return seen_;
}

std::vector<platform::Event> TapThread::dropped() const {
    const std::lock_guard lock(mutex_);
    return dropped_;
}

bool TapThread::waitForSeen(std::uint32_t type, int times) const {
    return waitUntil([&] {
        const std::vector<std::uint32_t> seen = seenTypes();
        return std::count(seen.begin(), seen.end(), type) >= times;
    });
}

}  // namespace velmor::x11::testing

namespace velmor::x11::testing {

bool TapThread::waitForHold(bool holding) const {
    return waitUntil([&] { return holding_.load() == holding; });
}

}  // namespace velmor::x11::testing
