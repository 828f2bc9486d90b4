#pragma once

#include <glib.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/scheduler.h"
#include "platform/x11/connection_watch.h"
#include "platform/x11/glib_timer.h"
#include "platform/x11/main_queue.h"
#include "platform/x11/main_thread.h"
#include "platform/x11/worker_pool.h"

namespace velmor::x11 {

// The backend's main loop on GLib's default main context, iterated by the thread that makes
// the scheduler. A call on the wrong thread writes a line on standard error and goes on:
// beginModal, endModal and the start of a timer scheduled off the main thread are carried out
// there through the main queue; runMainLoop off the main thread returns at once;
// sleepMicroseconds on it sleeps anyway. Timers may be invalidated from any thread.
//
// Destroy it on the main thread, outside runMainLoop. Its destructor stops taking background
// blocks (later ones are dropped unrun), runs every block already queued on a background
// queue, joins their threads, invalidates the timers still alive and drops main blocks not
// yet run.
class GlibScheduler final : public platform::Scheduler, public ConnectionWatcher {
public:
    GlibScheduler();
    ~GlibScheduler() override;
    GlibScheduler(const GlibScheduler&) = delete;
    GlibScheduler& operator=(const GlibScheduler&) = delete;

    void asyncMain(platform::Block block) override;
    void asyncUserInitiated(platform::Block block) override;
    void asyncSerial(const std::string& label, platform::Block block) override;
    std::unique_ptr<platform::Timer> scheduleRepeatingTimer(double intervalSeconds,
                                                            platform::Block action,
                                                            platform::TimerMode mode) override;
    void runMainLoop() override;
    void quitMainLoop() override;
    double absoluteTime() const override;
    double secondsSince1970() const override;
    void sleepMicroseconds(unsigned microseconds) override;

    // Main thread, nestable: while any modal is open, timers that pause during modals wait;
    // when the last one closes, each that came due meanwhile fires once.
    void beginModal();
    void endModal();
    // Main thread. Ends every modal that is open when the main loop is asked to quit, so
    // that their nested loops return and the main loop can end.
    void setModalEnder(std::function<void()> endModals) { endModals_ = std::move(endModals); }
    // Whether the main loop was asked to quit and has not yet done so: no modal should
    // begin then.
    bool quitting() const { return quitRequested_.load(); }

    [[nodiscard]] std::unique_ptr<ConnectionWatchToken> watchConnection(
        ::Display* display, std::function<void()> dispatch) override;

private:
    void closeModal();
    void runPendingWork();
    static gboolean endOpenModals(gpointer scheduler);

    MainThread mainThread_;
    GMainContext* context_;
    MainQueue mainQueue_;
    std::atomic<bool> quitRequested_{false};
    std::shared_ptr<ModalDepth> modal_ = std::make_shared<ModalDepth>();
    std::function<void()> endModals_;

    std::mutex timersMutex_;
    std::vector<std::weak_ptr<TimerState>> timers_;

    std::mutex backgroundMutex_;
    bool closing_ = false;
    std::unique_ptr<WorkerPool> userInitiated_;
    std::map<std::string, std::unique_ptr<WorkerPool>> serial_;
};

}  // namespace velmor::x11
