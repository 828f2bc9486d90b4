#include "platform/x11/main_queue.h"

namespace velmor::x11 {

namespace {

struct QueueSource {
    GSource base;
    MainQueue* queue;
};

}  // namespace

MainQueue::MainQueue(GMainContext* context) : context_(context) {
    static GSourceFuncs funcs{
        &MainQueue::prepare, &MainQueue::check, &MainQueue::dispatch, nullptr, nullptr, nullptr};
    source_.reset(g_source_new(&funcs, sizeof(QueueSource)));
    reinterpret_cast<QueueSource*>(source_.get())->queue = this;
    // A block that opens a modal runs a nested loop, which must go on serving the queue.
    g_source_set_can_recurse(source_.get(), TRUE);
    g_source_set_name(source_.get(), "velmor main queue");
    g_source_attach(source_.get(), context_);
}

void MainQueue::post(platform::Block block) {
    {
        const std::lock_guard lock(mutex_);
        blocks_.push_back(std::move(block));
    }
    // Sticky: a main thread about to poll returns from the poll at once.
    g_main_context_wakeup(context_);
}

gboolean MainQueue::prepare(GSource* source, gint* timeout) {
    *timeout = -1;
    return of(source).hasBlocks();
}

gboolean MainQueue::check(GSource* source) {
    return of(source).hasBlocks();
}

gboolean MainQueue::dispatch(GSource* source, GSourceFunc, gpointer) {
    of(source).runQueued();
    return G_SOURCE_CONTINUE;
}

MainQueue& MainQueue::of(GSource* source) {
    return *reinterpret_cast<QueueSource*>(source)->queue;
}

bool MainQueue::hasBlocks() {
    const std::lock_guard lock(mutex_);
    return !blocks_.empty();
}

std::optional<platform::Block> MainQueue::pop() {
    const std::lock_guard lock(mutex_);
    if (blocks_.empty()) {
        return std::nullopt;
    }
    platform::Block block = std::move(blocks_.front());
    blocks_.pop_front();
    return block;
}

void MainQueue::runQueued() {
    // Only what waited when the dispatch began: blocks posting blocks do not starve timers
    // and X events. One at a time off the shared queue keeps the order across a nested loop.
    std::size_t waiting = 0;
    {
        const std::lock_guard lock(mutex_);
        waiting = blocks_.size();
    }
    for (; waiting > 0; --waiting) {
        std::optional<platform::Block> block = pop();
        if (!block) {
            return;
        }
        if (*block) {
            (*block)();
        }
    }
}

}  // namespace velmor::x11
