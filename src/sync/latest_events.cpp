#include "sync/latest_events.h"

#include <array>
#include <cstddef>
#include <map>
#include <system_error>
#include <utility>

#include "platform/files.h"
#include "sync/sync_settings.h"

namespace velmor {

namespace {

namespace fs = std::filesystem;

bool isEventFileName(const std::string& name) {
    return !name.starts_with('.') && name.ends_with(kEventFileExtension);
}

// Links are never followed: a name ending in ".plist" may point at a device or a folder.
bool isRegularFileItself(const fs::directory_entry& entry) {
    std::error_code error;
    return entry.symlink_status(error).type() == fs::file_type::regular && !error;
}

std::optional<SyncEvent> readEventFile(const fs::path& path, bool& readFailed) {
    auto bytes = files::readRegularFile(path, kMaxEventFileBytes);
    readFailed = !bytes;
    return bytes ? parseEventFile(*bytes) : std::nullopt;
}

struct Candidate {
    const SyncEvent* event = nullptr;
    const std::string* fileName = nullptr;
};

// Total order, so that the winner never depends on the listing order: two copies of one
// event (same id and time stamp) are told apart by their file names.
bool supersedes(const Candidate& candidate, const Candidate& held) {
    if (eventSupersedes(*candidate.event, *held.event)) {
        return true;
    }
    if (eventSupersedes(*held.event, *candidate.event)) {
        return false;
    }
    return *candidate.fileName > *held.fileName;
}

}  // namespace

Value LatestEventsReader::read(const fs::path& eventsFolder) {
    if (eventsFolder != folder_) {
        forget();
        folder_ = eventsFolder;
    }
    ++readCount_;
    std::error_code error;
    for (fs::directory_iterator entry(eventsFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::string name = entry->path().filename().string();
        if (isEventFileName(name) && isRegularFileItself(*entry)) {
            refresh(*entry, std::move(name));
        }
    }
    // A folder that cannot be listed to its end holds no events this time; what was parsed
    // stays for the next read.
    if (error) {
        return Value(Value::Dictionary{});
    }
    dropFilesNotSeen();
    return winnersTable();
}

void LatestEventsReader::forget() {
    files_.clear();
    folder_.clear();
}

void LatestEventsReader::refresh(const fs::directory_entry& entry, std::string name) {
    std::error_code sizeError;
    std::error_code timeError;
    auto size = entry.file_size(sizeError);
    auto modified = entry.last_write_time(timeError);
    if (sizeError || timeError) {
        return;
    }
    auto found = files_.find(name);
    if (found != files_.end() && found->second.size == size && found->second.modified == modified) {
        found->second.seenInRead = readCount_;
        return;
    }
    CachedFile file{size, modified, std::nullopt, readCount_};
    if (size <= kMaxEventFileBytes) {
        bool readFailed = false;
        file.event = readEventFile(entry.path(), readFailed);
        // A file that could not be read now may be readable later (a cloud download still
        // in progress): only what was actually parsed is kept.
        if (readFailed) {
            if (found != files_.end()) {
                files_.erase(found);
            }
            return;
        }
    }
    files_.insert_or_assign(std::move(name), std::move(file));
}

void LatestEventsReader::dropFilesNotSeen() {
    std::erase_if(files_,
                  [this](const auto& item) { return item.second.seenInRead != readCount_; });
}

Value LatestEventsReader::winnersTable() const {
    std::map<std::string, Candidate> winners;
    for (const auto& [name, file] : files_) {
        if (!file.event) {
            continue;
        }
        Candidate candidate{&*file.event, &name};
        auto [slot, inserted] =
            winners.try_emplace(eventKey(file.event->letter, file.event->kind), candidate);
        if (!inserted && supersedes(candidate, slot->second)) {
            slot->second = candidate;
        }
    }
    Value::Dictionary table;
    for (const auto& [key, winner] : winners) {
        table.emplace(key, winner.event->dictionary);
    }
    return Value(std::move(table));
}

}  // namespace velmor
