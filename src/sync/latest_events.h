#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/value.h"
#include "sync/event_file.h"

namespace velmor {

// Reads an events folder into the latest-events table: for each letter and kind the newest
// valid event, keyed "A.samples", "Q.action", ...
//
// The folder only grows and is read every 30 seconds, so the reader keeps what it parsed.
// An event file is written once, atomically, under its own id, so a file that parsed as a
// valid event is complete and never changes: it is kept by name alone and costs no
// file-system call on later reads. Any other file (damaged, half-copied) is read again on
// every read; few files fail, and no cheaper test can tell new content from old. Each read
// gives what a fresh reader gives for the folder as it is now.
class LatestEventsReader {
public:
    Value read(const std::filesystem::path& eventsFolder);
    // Forgets everything parsed, so the next read parses every file again.
    void forget();

private:
    // A file that holds a believable event; no other file is kept.
    struct KnownFile {
        SyncEvent event;
        std::size_t slot = 0;  // the event's place among the 52 letter-kind pairs
        std::uint64_t seenInRead = 0;
    };

    // Heterogeneous lookup: a listed name is looked up without a copy.
    struct NameHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view name) const {
            return std::hash<std::string_view>{}(name);
        }
    };

    void look(const std::filesystem::directory_entry& entry, std::string_view name);
    void dropFilesNotSeen();
    Value winnersTable() const;

    std::filesystem::path folder_;
    std::unordered_map<std::string, KnownFile, NameHash, std::equal_to<>> files_;
    std::uint64_t readCount_ = 0;
    std::size_t seenCount_ = 0;
    bool changed_ = true;  // since the table below was made
    Value table_;
};

}  // namespace velmor
