#include "platform/x11/about_to_show_watch.h"

#include "platform/x11/glib_source.h"

namespace velmor::x11 {

namespace {

constexpr const char* kMenuInterface = "com.canonical.dbusmenu";
constexpr gint32 kRootId = 0;

struct Watched {
    std::string menuPath;
    std::weak_ptr<MenuOpening> opening;
};

bool asksForRoot(GDBusMessage* message, const std::string& menuPath) {
    if (g_dbus_message_get_message_type(message) != G_DBUS_MESSAGE_TYPE_METHOD_CALL ||
        g_strcmp0(g_dbus_message_get_interface(message), kMenuInterface) != 0 ||
        g_strcmp0(g_dbus_message_get_member(message), "AboutToShow") != 0 ||
        g_strcmp0(g_dbus_message_get_path(message), menuPath.c_str()) != 0) {
        return false;
    }
    GVariant* body = g_dbus_message_get_body(message);
    gint32 id = -1;
    if (body != nullptr && g_variant_is_of_type(body, G_VARIANT_TYPE("(i)"))) {
        g_variant_get(body, "(i)", &id);
    }
    return id == kRootId;
}

gboolean tellOpening(gpointer data) {
    const auto& weak = *static_cast<std::weak_ptr<MenuOpening>*>(data);
    if (const std::shared_ptr<MenuOpening> opening = weak.lock()) {
        opening->aboutToShow();
    }
    return G_SOURCE_REMOVE;
}

// Runs on GDBus's worker thread: only posts to the main context.
GDBusMessage* filter(GDBusConnection*, GDBusMessage* message, gboolean incoming, gpointer data) {
    const auto& watched = *static_cast<const Watched*>(data);
    if (incoming && asksForRoot(message, watched.menuPath)) {
        // A source of its own, not an invoke: invoking would run it here when the main
        // context happens to be free.
        GSource* source = g_idle_source_new();
        g_source_set_priority(source, G_PRIORITY_HIGH);
        setOwnedCallback(source, &tellOpening, watched.opening);
        g_source_attach(source, nullptr);
        g_source_unref(source);
    }
    return message;
}

}  // namespace

AboutToShowWatch::AboutToShowWatch(const std::string& menuPath, std::weak_ptr<MenuOpening> opening)
    : bus_(g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr)) {
    if (!bus_) {
        return;
    }
    auto watched = std::make_unique<Watched>(Watched{menuPath, std::move(opening)});
    filter_ = g_dbus_connection_add_filter(
        bus_.get(), &filter, watched.release(),
        [](gpointer data) { std::unique_ptr<Watched>(static_cast<Watched*>(data)); });
}

AboutToShowWatch::~AboutToShowWatch() {
    if (bus_) {
        g_dbus_connection_remove_filter(bus_.get(), filter_);
    }
}

}  // namespace velmor::x11
