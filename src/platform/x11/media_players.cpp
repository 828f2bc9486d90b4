#include "platform/x11/media_players.h"

#include <gio/gio.h>

#include <string_view>
#include <vector>

namespace velmor::x11 {
namespace {

constexpr std::string_view kPlayerPrefix = "org.mpris.MediaPlayer2.";
constexpr const char* kPlayerPath = "/org/mpris/MediaPlayer2";
constexpr const char* kPlayerInterface = "org.mpris.MediaPlayer2.Player";
constexpr int kTimeoutMilliseconds = 2000;

// Where the session bus listens, without starting one: the address it published, else the
// socket a per-user bus keeps in the runtime folder.
std::optional<std::string> sessionBusAddress() {
    const char* published = g_getenv("DBUS_SESSION_BUS_ADDRESS");
    if (published != nullptr && *published != '\0') {
        return published;
    }
    const char* runtime = g_getenv("XDG_RUNTIME_DIR");
    if (runtime == nullptr) {
        return std::nullopt;
    }
    g_autofree char* socket = g_build_filename(runtime, "bus", nullptr);
    if (!g_file_test(socket, G_FILE_TEST_EXISTS)) {
        return std::nullopt;
    }
    g_autofree char* escaped = g_dbus_address_escape_value(socket);
    return std::string("unix:path=") + escaped;
}

const char* methodFor(platform::MediaKey key) {
    switch (key) {
        case platform::MediaKey::next:
            return "Next";
        case platform::MediaKey::previous:
            return "Previous";
        case platform::MediaKey::playPause:
            break;
    }
    return "PlayPause";
}

std::vector<std::string> playerNames(GDBusConnection* bus) {
    g_autoptr(GVariant) reply = g_dbus_connection_call_sync(
        bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus", "ListNames",
        nullptr, G_VARIANT_TYPE("(as)"), G_DBUS_CALL_FLAGS_NONE, kTimeoutMilliseconds, nullptr,
        nullptr);
    std::vector<std::string> players;
    if (reply == nullptr) {
        return players;
    }
    g_autoptr(GVariant) names = g_variant_get_child_value(reply, 0);
    g_auto(GStrv) all = g_variant_dup_strv(names, nullptr);
    for (char** name = all; *name != nullptr; ++name) {
        if (std::string_view(*name).starts_with(kPlayerPrefix)) {
            players.emplace_back(*name);
        }
    }
    return players;
}

// 0 playing, 1 paused, 2 anything else or no answer: the lower, the likelier the one meant.
int preference(GDBusConnection* bus, const std::string& player) {
    g_autoptr(GVariant) reply = g_dbus_connection_call_sync(
        bus, player.c_str(), kPlayerPath, "org.freedesktop.DBus.Properties", "Get",
        g_variant_new("(ss)", kPlayerInterface, "PlaybackStatus"), G_VARIANT_TYPE("(v)"),
        G_DBUS_CALL_FLAGS_NONE, kTimeoutMilliseconds, nullptr, nullptr);
    if (reply == nullptr) {
        return 2;
    }
    g_autoptr(GVariant) boxed = g_variant_get_child_value(reply, 0);
    g_autoptr(GVariant) status = g_variant_get_variant(boxed);
    if (!g_variant_is_of_type(status, G_VARIANT_TYPE_STRING)) {
        return 2;
    }
    const std::string_view text = g_variant_get_string(status, nullptr);
    return text == "Playing" ? 0 : text == "Paused" ? 1 : 2;
}

}  // namespace

void MediaPlayers::Unref::operator()(GDBusConnection* connection) const {
    g_object_unref(connection);
}

MediaPlayers::MediaPlayers() = default;
MediaPlayers::~MediaPlayers() = default;

bool MediaPlayers::press(platform::MediaKey key) {
    GDBusConnection* bus = connection();
    if (bus == nullptr) {
        return false;
    }
    const std::optional<std::string> player = chosenPlayer(bus);
    if (!player) {
        return false;
    }
    g_autoptr(GVariant) reply = g_dbus_connection_call_sync(
        bus, player->c_str(), kPlayerPath, kPlayerInterface, methodFor(key), nullptr, nullptr,
        G_DBUS_CALL_FLAGS_NONE, kTimeoutMilliseconds, nullptr, nullptr);
    return reply != nullptr;
}

// A connection of our own rather than the process's shared one, which a bus-less machine
// would try to start a bus for.
GDBusConnection* MediaPlayers::connection() {
    if (connection_ && !g_dbus_connection_is_closed(connection_.get())) {
        return connection_.get();
    }
    connection_.reset();
    const std::optional<std::string> address = sessionBusAddress();
    if (!address) {
        return nullptr;
    }
    const auto flags =
        static_cast<GDBusConnectionFlags>(G_DBUS_CONNECTION_FLAGS_AUTHENTICATION_CLIENT |
                                          G_DBUS_CONNECTION_FLAGS_MESSAGE_BUS_CONNECTION);
    connection_.reset(
        g_dbus_connection_new_for_address_sync(address->c_str(), flags, nullptr, nullptr, nullptr));
    return connection_.get();
}

std::optional<std::string> MediaPlayers::chosenPlayer(GDBusConnection* bus) {
    std::optional<std::string> chosen;
    int best = 3;
    for (const std::string& player : playerNames(bus)) {
        const int rank = preference(bus, player);
        if (rank < best) {
            best = rank;
            chosen = player;
        }
        if (best == 0) {
            break;
        }
    }
    return chosen;
}

}  // namespace velmor::x11
