#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/system_actions.h"

typedef struct _GDBusConnection GDBusConnection;

namespace velmor::x11 {

// The media players that the session bus knows under the media-player interface. Each call
// waits for the bus, so it belongs on a thread that may wait; one thread at a time.
class MediaPlayers {
public:
    MediaPlayers();
    ~MediaPlayers();
    MediaPlayers(const MediaPlayers&) = delete;
    MediaPlayers& operator=(const MediaPlayers&) = delete;

    // Asks the playing player, else a paused one, else any, to act on the key. False when
    // there is no session bus, no player or the player did not answer.
    bool press(platform::MediaKey key);

private:
    struct Unref {
        void operator()(GDBusConnection* connection) const;
    };

    GDBusConnection* connection();
    std::optional<std::string> chosenPlayer(GDBusConnection* bus);

    std::unique_ptr<GDBusConnection, Unref> connection_;
};

}  // namespace velmor::x11
