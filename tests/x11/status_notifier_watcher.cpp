#include "x11/status_notifier_watcher.h"

namespace velmor::x11::testing {
namespace {

constexpr const char* kWatcherName = "org.kde.StatusNotifierWatcher";
constexpr const char* kInterface = R"(<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>)";

}  // namespace

StatusNotifierWatcher::StatusNotifierWatcher()
    : node_(g_dbus_node_info_new_for_xml(kInterface, nullptr)) {
    const auto acquired = +[](GDBusConnection* connection, const char*, gpointer data) {
        auto* self = static_cast<StatusNotifierWatcher*>(data);
        static const GDBusInterfaceVTable table{&methodCalled, &propertyRead, nullptr, {}};
        self->connection_ = G_DBUS_CONNECTION(g_object_ref(connection));
        self->object_ = g_dbus_connection_register_object(connection, "/StatusNotifierWatcher",
                                                          self->node_->interfaces[0], &table, self,
                                                          nullptr, nullptr);
    };
    owner_ = g_bus_own_name(
        G_BUS_TYPE_SESSION, kWatcherName, G_BUS_NAME_OWNER_FLAGS_NONE, acquired,
        +[](GDBusConnection*, const char*, gpointer data) {
            static_cast<StatusNotifierWatcher*>(data)->owned_ = true;
        },
        nullptr, this, nullptr);
}

StatusNotifierWatcher::~StatusNotifierWatcher() {
    g_bus_unown_name(owner_);
    if (connection_ != nullptr) {
        g_dbus_connection_unregister_object(connection_, object_);
        g_object_unref(connection_);
    }
    g_dbus_node_info_unref(node_);
}

void StatusNotifierWatcher::methodCalled(GDBusConnection*, const char* sender, const char*,
                                         const char*, const char* method, GVariant* parameters,
                                         GDBusMethodInvocation* invocation, gpointer self) {
    if (g_strcmp0(method, "RegisterStatusNotifierItem") == 0) {
        const char* service = nullptr;
        g_variant_get(parameters, "(&s)", &service);
        // An item names itself by its object path or by a bus name of its own.
        const bool isPath = service[0] == '/';
        static_cast<StatusNotifierWatcher*>(self)->registrations_.push_back(
            {isPath ? sender : service, isPath ? service : "/StatusNotifierItem"});
    }
    g_dbus_method_invocation_return_value(invocation, nullptr);
}

GVariant* StatusNotifierWatcher::propertyRead(GDBusConnection*, const char*, const char*,
                                              const char*, const char* property, GError**,
                                              gpointer self) {
    if (g_strcmp0(property, "IsStatusNotifierHostRegistered") == 0) {
        return g_variant_new_boolean(TRUE);
    }
    if (g_strcmp0(property, "ProtocolVersion") == 0) {
        return g_variant_new_int32(0);
    }
    GVariantBuilder items;
    g_variant_builder_init(&items, G_VARIANT_TYPE("as"));
    for (const Registration& item : static_cast<StatusNotifierWatcher*>(self)->registrations_) {
        g_variant_builder_add(&items, "s", (item.busName + item.objectPath).c_str());
    }
    return g_variant_builder_end(&items);
}

}  // namespace velmor::x11::testing
