#include "x11/notification_server.h"

namespace velmor::x11::testing {
namespace {

constexpr const char* kInterface = R"(<node>
  <interface name="org.freedesktop.Notifications">
    <method name="Notify">
      <arg type="s" direction="in"/><arg type="u" direction="in"/><arg type="s" direction="in"/>
      <arg type="s" direction="in"/><arg type="s" direction="in"/><arg type="as" direction="in"/>
      <arg type="a{sv}" direction="in"/><arg type="i" direction="in"/>
      <arg type="u" direction="out"/>
    </method>
    <method name="GetCapabilities"><arg type="as" direction="out"/></method>
  </interface>
</node>)";

}  // namespace

NotificationServer::NotificationServer()
    : node_(g_dbus_node_info_new_for_xml(kInterface, nullptr)) {
    const auto acquired = +[](GDBusConnection* connection, const char*, gpointer data) {
        auto* self = static_cast<NotificationServer*>(data);
        static const GDBusInterfaceVTable table{&methodCalled, nullptr, nullptr, {}};
        self->connection_ = G_DBUS_CONNECTION(g_object_ref(connection));
        self->object_ = g_dbus_connection_register_object(
            connection, "/org/freedesktop/Notifications", self->node_->interfaces[0], &table, self,
            nullptr, nullptr);
    };
    owner_ = g_bus_own_name(
        G_BUS_TYPE_SESSION, "org.freedesktop.Notifications", G_BUS_NAME_OWNER_FLAGS_NONE, acquired,
        +[](GDBusConnection*, const char*, gpointer data) {
            static_cast<NotificationServer*>(data)->owned_ = true;
        },
        nullptr, this, nullptr);
}

NotificationServer::~NotificationServer() {
    g_bus_unown_name(owner_);
    if (connection_ != nullptr) {
        g_dbus_connection_unregister_object(connection_, object_);
        g_object_unref(connection_);
    }
    g_dbus_node_info_unref(node_);
}

void NotificationServer::methodCalled(GDBusConnection*, const char*, const char*, const char*,
                                      const char* method, GVariant* parameters,
                                      GDBusMethodInvocation* invocation, gpointer self) {
    if (g_strcmp0(method, "Notify") == 0) {
        const char* summary = nullptr;
        const char* body = nullptr;
        g_variant_get(parameters, "(&su&s&s&sasa{sv}i)", nullptr, nullptr, nullptr, &summary, &body,
                      nullptr, nullptr, nullptr);
        auto& server = *static_cast<NotificationServer*>(self);
        server.shown_.push_back({summary, body});
        g_dbus_method_invocation_return_value(
            invocation, g_variant_new("(u)", static_cast<guint32>(server.shown_.size())));
        return;
    }
    g_dbus_method_invocation_return_value(invocation, g_variant_new("(as)", nullptr));
}

}  // namespace velmor::x11::testing
