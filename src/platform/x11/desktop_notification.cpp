#include "platform/x11/desktop_notification.h"

#include <gio/gio.h>

namespace velmor::x11 {

namespace {
constexpr int kAnswerWithinMilliseconds = 2000;
constexpr int kShownForMilliseconds = 15000;
}  // namespace

bool notifyDesktop(const std::string& summary, const std::string& body) {
    g_autoptr(GDBusConnection) bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (bus == nullptr) {
        return false;
    }
    GVariantBuilder actions;
    g_variant_builder_init(&actions, G_VARIANT_TYPE("as"));
    GVariantBuilder hints;
    g_variant_builder_init(&hints, G_VARIANT_TYPE("a{sv}"));
    g_variant_builder_add(&hints, "{sv}", "desktop-entry", g_variant_new_string("velmor"));
    g_autoptr(GVariant) answer = g_dbus_connection_call_sync(
        bus, "org.freedesktop.Notifications", "/org/freedesktop/Notifications",
        "org.freedesktop.Notifications", "Notify",
        g_variant_new("(susssasa{sv}i)", "Velmor", 0u, "velmor", summary.c_str(), body.c_str(),
                      &actions, &hints, kShownForMilliseconds),
        G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, kAnswerWithinMilliseconds, nullptr, nullptr);
    return answer != nullptr;
}

}  // namespace velmor::x11
