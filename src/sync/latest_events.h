#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <unordered_map>

#include "core/value.h"
#include "sync/event_file.h"

namespace velmor {

// Reads an events folder into the latest-events table: for each letter and kind the newest
// valid event, keyed "A.samples", "Q.action", ...
//
// The folder only grows and is read every 30 seconds, so the reader keeps what it parsed,
// keyed by file name with size and modification time, and parses only new or changed files.
// Each read gives exactly what a fresh reader would give for the folder as it is now.
class LatestEventsReader {
public:
    Value read(const std::filesystem::path& eventsFolder);
    // Forgets everything parsed, so the next read parses every file again.
    void forget();

private:
    struct CachedFile {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        std::optional<SyncEvent> event;  // nothing: the file is not a believable event
        std::uint64_t seenInRead = 0;
    };

    void refresh(const std::filesystem::directory_entry& entry, std::string name);
    void dropFilesNotSeen();
    Value winnersTable() const;

    std::filesystem::path folder_;
    std::unordered_map<std::string, CachedFile> files_;
    std::uint64_t readCount_ = 0;
};

}  // namespace velmor
