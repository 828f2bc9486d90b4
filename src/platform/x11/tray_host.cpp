#include "platform/x11/tray_host.h"

#include <gio/gio.h>

#include "platform/x11/g_object_ptr.h"

namespace velmor::x11 {

namespace {

constexpr int kAnswerMilliseconds = 5000;

}  // namespace

TrayHost findTrayHost() {
    const GObjectPtr<GDBusConnection> bus(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr));
    if (!bus) {
        return TrayHost::noSessionBus;
    }
    GVariant* answer = g_dbus_connection_call_sync(
        bus.get(), "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
        "NameHasOwner", g_variant_new("(s)", "org.kde.StatusNotifierWatcher"),
        G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE, kAnswerMilliseconds, nullptr, nullptr);
    if (answer == nullptr) {
        return TrayHost::absent;
    }
    gboolean owned = FALSE;
    g_variant_get(answer, "(b)", &owned);
    g_variant_unref(answer);
    return owned ? TrayHost::present : TrayHost::absent;
}

}  // namespace velmor::x11
