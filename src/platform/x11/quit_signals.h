#pragma once

#include <glib.h>

#include "platform/x11/glib_scheduler.h"

namespace velmor::x11 {

// While it lives, SIGINT, SIGTERM and SIGHUP (the terminal or the session going away) end
// the scheduler's main loop instead of the process, so the program leaves through its
// ordinary shutdown. Main thread.
class QuitSignals {
public:
    explicit QuitSignals(GlibScheduler& scheduler);
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

private:
    static gboolean quit(gpointer scheduler);

    guint interrupt_;
    guint terminate_;
    guint hangUp_;
};

}  // namespace velmor::x11
