#include "x11/test_main_loop.h"

namespace velmor::x11::testing {

class TestMainLoop::Token final : public ConnectionWatchToken {
public:
    Token(TestMainLoop& loop, int id) : loop_(loop), id_(id) {}
    ~Token() override { loop_.watches_.erase(id_); }

private:
    TestMainLoop& loop_;
    int id_;
};

std::unique_ptr<ConnectionWatchToken> TestMainLoop::watchConnection(
    ::Display*, std::function<void()> dispatch) {
    const int id = nextWatch_++;
    watches_.emplace(id, std::move(dispatch));
    return std::make_unique<Token>(*this, id);
}

void TestMainLoop::asyncMain(platform::Block block) {
    const std::lock_guard lock(queueMutex_);
    mainQueue_.push_back(std::move(block));
}

double TestMainLoop::absoluteTime() const {
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    return 1.0 + std::chrono::duration<double>(now).count();
}

void TestMainLoop::turn() {
    // A dispatch may drop a watch: go by a copy.
    const std::map<int, std::function<void()>> watches = watches_;
    for (const auto& [id, dispatch] : watches) {
        dispatch();
    }
    std::vector<platform::Block> blocks;
    {
        const std::lock_guard lock(queueMutex_);
        blocks.swap(mainQueue_);
    }
    for (platform::Block& block : blocks) {
        block();
    }
}

}  // namespace velmor::x11::testing
