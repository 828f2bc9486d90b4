// A media player of the tests' own on the session bus: it owns
// org.mpris.MediaPlayer2.NAME, reports the playback status it was given and appends the name
// of every player method called to its log, after a first line "ready".
#include <gio/gio.h>

#include <cstdio>
#include <string>

namespace {

constexpr const char* kInterface = R"(<node>
  <interface name="org.mpris.MediaPlayer2.Player">
    <method name="PlayPause"/>
    <method name="Next"/>
    <method name="Previous"/>
    <property name="PlaybackStatus" type="s" access="read"/>
  </interface>
</node>)";

struct Player {
    std::string status;
    FILE* log;
};

void note(FILE* log, const char* line) {
    std::fprintf(log, "%s\n", line);
    std::fflush(log);
}

void onCall(GDBusConnection*, const char*, const char*, const char*, const char* method, GVariant*,
            GDBusMethodInvocation* invocation, gpointer data) {
    note(static_cast<Player*>(data)->log, method);
    g_dbus_method_invocation_return_value(invocation, nullptr);
}

GVariant* onGet(GDBusConnection*, const char*, const char*, const char*, const char*, GError**,
                gpointer data) {
    return g_variant_new_string(static_cast<Player*>(data)->status.c_str());
}

void onBus(GDBusConnection* connection, const char*, gpointer data) {
    static const GDBusInterfaceVTable vtable{onCall, onGet, nullptr, {}};
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(kInterface, nullptr);
    g_dbus_connection_register_object(connection, "/org/mpris/MediaPlayer2", node->interfaces[0],
                                      &vtable, data, nullptr, nullptr);
    g_dbus_node_info_unref(node);
}

void onName(GDBusConnection*, const char*, gpointer data) {
    note(static_cast<Player*>(data)->log, "ready");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s NAME STATUS LOG\n", argv[0]);
        return 2;
    }
    Player player{argv[2], std::fopen(argv[3], "w")};
    if (player.log == nullptr) {
        return 1;
    }
    const std::string name = std::string("org.mpris.MediaPlayer2.") + argv[1];
    g_bus_own_name(G_BUS_TYPE_SESSION, name.c_str(), G_BUS_NAME_OWNER_FLAGS_NONE, onBus, onName,
                   nullptr, &player, nullptr);
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    g_main_loop_run(loop);
    return 0;
}
