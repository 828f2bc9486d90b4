#include "sync/latest_events.h"

#include <array>
#include <system_error>
#include <utility>

#include "platform/files.h"
#include "sync/sync_settings.h"

namespace velmor {

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kSlotCount = 26 * 2;

bool isEventFileName(std::string_view name) {
    return !name.starts_with('.') && name.ends_with(kEventFileExtension);
}

// Links are never followed: a name ending in ".plist" may point at a device or a folder.
// The listing already knows each entry's type, so this costs no call of its own.
bool isRegularFileItself(const fs::directory_entry& entry) {
    std::error_code error;
    return !entry.is_symlink(error) && !error && entry.is_regular_file(error) && !error;
}

std::size_t slotOf(const SyncEvent& event) {
    auto letterIndex = static_cast<std::size_t>(event.letter[0] - 'A');
    return letterIndex * 2 + (event.kind == kSyncKindSamples ? 0 : 1);
}

struct Candidate {
    const SyncEvent* event = nullptr;
    const std::string* fileName = nullptr;
};

// A total order, so that the winner never depends on the listing order: two copies of one
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
    seenCount_ = 0;
    std::error_code error;
    for (fs::directory_iterator entry(eventsFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        const auto& path = entry->path().native();
        auto name = std::string_view(path).substr(path.rfind('/') + 1);
        if (isEventFileName(name) && isRegularFileItself(*entry)) {
            look(*entry, name);
        }
    }
    // A folder that cannot be listed to its end holds no events this time; what was parsed
    // stays for the next read.
    if (error) {
        return Value(Value::Dictionary{});
    }
    dropFilesNotSeen();
    if (changed_) {
        table_ = winnersTable();
        changed_ = false;
    }
    return table_;
}

void LatestEventsReader::forget() {
    files_.clear();
    folder_.clear();
    changed_ = true;
}

void LatestEventsReader::look(const fs::directory_entry& entry, std::string_view name) {
    if (auto known = files_.find(name); known != files_.end()) {
        known->second.seenInRead = readCount_;
        ++seenCount_;
        return;
    }
    // Anything not yet believed is read again: a cloud client may fill a pre-allocated file
    // and then stamp the server's time on it, so neither size nor time tells new content.
    auto bytes = files::readRegularFile(entry.path(), kMaxEventFileBytes);
    if (!bytes) {
        return;  // unreadable, oversized or gone: no event this time
    }
    auto event = parseEventFile(*bytes);
    if (!event) {
        return;
    }
    changed_ = true;
    const auto slot = slotOf(*event);
    files_.insert_or_assign(std::string(name), KnownFile{std::move(*event), slot, readCount_});
    ++seenCount_;
}

void LatestEventsReader::dropFilesNotSeen() {
    if (seenCount_ == files_.size()) {
        return;
    }
    changed_ = true;
    std::erase_if(files_,
                  [this](const auto& item) { return item.second.seenInRead != readCount_; });
}

Value LatestEventsReader::winnersTable() const {
    std::array<Candidate, kSlotCount> winners{};
    for (const auto& [name, file] : files_) {
        Candidate candidate{&file.event, &name};
        auto& held = winners[file.slot];
        if (!held.event || supersedes(candidate, held)) {
            held = candidate;
        }
    }
    Value::Dictionary table;
    for (const auto& winner : winners) {
        if (winner.event) {
            table.emplace(eventKey(winner.event->letter, winner.event->kind),
                          winner.event->dictionary);
        }
    }
    return Value(std::move(table));
}

}  // namespace velmor
