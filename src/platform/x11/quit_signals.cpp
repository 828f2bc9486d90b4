#include "platform/x11/quit_signals.h"

#include <glib-unix.h>

#include <csignal>

namespace velmor::x11 {

QuitSignals::QuitSignals(GlibScheduler& scheduler)
    : interrupt_(g_unix_signal_add(SIGINT, &QuitSignals::quit, &scheduler)),
      terminate_(g_unix_signal_add(SIGTERM, &QuitSignals::quit, &scheduler)),
      hangUp_(g_unix_signal_add(SIGHUP, &QuitSignals::quit, &scheduler)) {}

QuitSignals::~QuitSignals() {
    // The last source gone, GLib puts the default disposition back.
    g_source_remove(hangUp_);
    g_source_remove(terminate_);
    g_source_remove(interrupt_);
}

gboolean QuitSignals::quit(gpointer scheduler) {
    static_cast<GlibScheduler*>(scheduler)->quitMainLoop();
    return G_SOURCE_CONTINUE;
}

}  // namespace velmor::x11
