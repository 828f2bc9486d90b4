#pragma once

#include <glib.h>

#include <deque>
#include <mutex>
#include <optional>

#include "platform/scheduler.h"
#include "platform/x11/glib_source.h"

namespace velmor::x11 {

// Blocks for the main thread, run in the order they were posted from whatever thread, by a
// source of the main context that is ready only while blocks wait: an idle loop sleeps.
// Blocks not yet run when it is destroyed are dropped.
class MainQueue {
public:
    explicit MainQueue(GMainContext* context);
    MainQueue(const MainQueue&) = delete;
    MainQueue& operator=(const MainQueue&) = delete;

    // Any thread; never runs the block before returning.
    void post(platform::Block block);

private:
    static gboolean prepare(GSource* source, gint* timeout);
    static gboolean check(GSource* source);
    static gboolean dispatch(GSource* source, GSourceFunc callback, gpointer data);
    static MainQueue& of(GSource* source);

    bool hasBlocks();
    std::optional<platform::Block> pop();
    void runQueued();

    GMainContext* context_;
    std::mutex mutex_;
    std::deque<platform::Block> blocks_;
    OwnedSource source_;
};

}  // namespace velmor::x11
