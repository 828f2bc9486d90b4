#include "platform/file_user_defaults.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <system_error>

#include "platform/files.h"
#include "platform/property_list_file.h"

namespace velmor::platform {

namespace {

// "20250131T091502Z": sorts by time and is safe in a file name.
std::string utcStamp() {
    using namespace std::chrono;
    const auto now = floor<seconds>(system_clock::now());
    const auto day = floor<days>(now);
    const year_month_day date{day};
    const hh_mm_ss time{now - day};
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02u%02uT%02ld%02ld%02lldZ",
                  static_cast<int>(date.year()), static_cast<unsigned>(date.month()),
                  static_cast<unsigned>(date.day()), static_cast<long>(time.hours().count()),
                  static_cast<long>(time.minutes().count()),
                  static_cast<long long>(time.seconds().count()));
    return text;
}

bool entryExists(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error));
}

}  // namespace

FileUserDefaults::FileUserDefaults(std::filesystem::path file,
                                   std::optional<std::chrono::milliseconds> saveWithin)
    : file_(std::move(file)), saveWithin_(saveWithin) {
    load();
    if (saveWithin_) {
        writer_ = std::thread([this] { saveChanges(); });
    }
}

FileUserDefaults::~FileUserDefaults() {
    if (writer_.joinable()) {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
        }
        changes_.notify_one();
        writer_.join();
    }
    if (hasUnsavedChanges()) {
        synchronize();
    }
}

// Sleeps until a change comes, then gives later changes the rest of the delay to join it.
void FileUserDefaults::saveChanges() {
    std::unique_lock lock(mutex_);
    while (true) {
        changes_.wait(lock, [this] { return stopping_ || generation_ != savedGeneration_; });
        if (stopping_) {
            return;
        }
        changes_.wait_for(lock, *saveWithin_, [this] { return stopping_; });
        if (stopping_) {
            return;
        }
        lock.unlock();
        synchronize();
        lock.lock();
    }
}

void FileUserDefaults::changed() {
    ++generation_;
    changes_.notify_one();
}

// Only a regular file is read. Anything else at the path (a link, a pipe) is left alone
// and the store starts empty; the first write replaces the entry, never what it points to.
void FileUserDefaults::load() {
    if (!isRegularFile(file_)) {
        return;
    }
    std::optional<Value> root = files::readPropertyListFile(file_);
    if (root && root->isDictionary()) {
        entries_ = *root->asDictionary();
        return;
    }
    moveUnreadableFileAside();
}

// The file is never deleted: it may be the user's only copy of hand-made settings.
void FileUserDefaults::moveUnreadableFileAside() {
    const std::string base = file_.filename().string() + ".corrupt-" + utcStamp();
    std::filesystem::path target = file_.parent_path() / base;
    for (int counter = 2; entryExists(target) && counter < 1000; ++counter) {
        target = file_.parent_path() / (base + "-" + std::to_string(counter));
    }
    std::error_code error;
    if (entryExists(target)) {
        keepsUnreadableFile_ = true;
        return;
    }
    std::filesystem::rename(file_, target, error);
    if (error) {
        keepsUnreadableFile_ = true;
        return;
    }
    movedAsideTo_ = target;
}

std::optional<Value> FileUserDefaults::object(std::string_view key) const {
    const std::lock_guard lock(mutex_);
    const auto found = entries_.find(key);
    if (found == entries_.end()) {
        return std::nullopt;
    }
    return found->second;
}

void FileUserDefaults::set(std::string_view key, Value value) {
    const std::lock_guard lock(mutex_);
    entries_.insert_or_assign(std::string(key), std::move(value));
    changed();
}

void FileUserDefaults::remove(std::string_view key) {
    const std::lock_guard lock(mutex_);
    const auto found = entries_.find(key);
    if (found != entries_.end()) {
        entries_.erase(found);
        changed();
    }
}

bool FileUserDefaults::hasUnsavedChanges() const {
    const std::lock_guard lock(mutex_);
    return generation_ != savedGeneration_;
}

// The file is written outside the lock, so readers are never held up by the disk.
bool FileUserDefaults::synchronize() {
    if (keepsUnreadableFile_) {
        return false;
    }
    const std::lock_guard writing(writeMutex_);
    Value::Dictionary snapshot;
    std::uint64_t snapshotGeneration = 0;
    {
        const std::lock_guard lock(mutex_);
        snapshot = entries_;
        snapshotGeneration = generation_;
    }
    const std::filesystem::path folder = file_.parent_path();
    const bool written = (folder.empty() || files::createFolders(folder)) &&
                         files::writePropertyListFile(file_, Value(std::move(snapshot)));
    if (written) {
        const std::lock_guard lock(mutex_);
        savedGeneration_ = snapshotGeneration;
    }
    return written;
}

}  // namespace velmor::platform
