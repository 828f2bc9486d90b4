#include "platform/x11/server_loss.h"

#include <X11/Xlib.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>

namespace velmor::x11 {

namespace {
std::atomic<ServerLoss*> installed{nullptr};
}  // namespace

ServerLoss::ServerLoss(std::function<void()> save) : save_(std::move(save)) {
    installed.store(this);
    previous_ = XSetIOErrorHandler(&ServerLoss::serverLost);
}

ServerLoss::~ServerLoss() {
    XSetIOErrorHandler(previous_);
    installed.store(nullptr);
}

// Xlib ends the process when this returns, so it is ended here. Only the first connection to
// notice saves; others may notice meanwhile, on other threads, and wait for the end.
int ServerLoss::serverLost(::Display*) {
    static std::atomic_flag noticed = ATOMIC_FLAG_INIT;
    if (!noticed.test_and_set()) {
        if (ServerLoss* loss = installed.load(); loss != nullptr && loss->save_) {
            loss->save_();
        }
        _exit(EXIT_SUCCESS);
    }
    for (;;) {
        pause();
    }
}

}  // namespace velmor::x11
