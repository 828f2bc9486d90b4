#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>

#include "platform/user_defaults.h"

namespace velmor::platform {

// User defaults kept in one XML property-list file, loaded once at construction. Reads
// come from memory. synchronize() writes the file atomically at once; other changes are
// written by the next synchronize(), when the object is destroyed, and, with `saveWithin`,
// by a writer of its own at most that long after the first change, so that a crash or a
// logout loses nothing. Changes close together are written together.
class FileUserDefaults final : public UserDefaults {
public:
    explicit FileUserDefaults(std::filesystem::path file,
                              std::optional<std::chrono::milliseconds> saveWithin = std::nullopt);
    ~FileUserDefaults() override;
    FileUserDefaults(const FileUserDefaults&) = delete;
    FileUserDefaults& operator=(const FileUserDefaults&) = delete;

    std::optional<Value> object(std::string_view key) const override;
    void set(std::string_view key, Value value) override;
    void remove(std::string_view key) override;
    bool synchronize() override;

    const std::filesystem::path& file() const { return file_; }
    // Where an unreadable settings file was moved at load, for the caller to log; the
    // store then started empty.
    std::optional<std::filesystem::path> movedAsideTo() const { return movedAsideTo_; }
    // True when an unreadable settings file could not be moved aside: the store then
    // never writes, so the file is not lost.
    bool keepsUnreadableFile() const { return keepsUnreadableFile_; }
    bool hasUnsavedChanges() const;

private:
    void load();
    void moveUnreadableFileAside();
    void changed();  // with the lock held
    void saveChanges();

    const std::filesystem::path file_;
    std::optional<std::filesystem::path> movedAsideTo_;
    bool keepsUnreadableFile_ = false;

    mutable std::mutex mutex_;  // guards entries_ and the two generations
    Value::Dictionary entries_;
    std::uint64_t generation_ = 0;       // counts changes
    std::uint64_t savedGeneration_ = 0;  // the change last written to the file
    std::mutex writeMutex_;              // one file write at a time, in order

    std::optional<std::chrono::milliseconds> saveWithin_;
    // A plain thread and flag: the C++ library of older macOS releases has no jthread.
    std::condition_variable changes_;
    bool stopping_ = false;  // guarded by mutex_
    std::thread writer_;     // last: it stops before anything it uses goes
};

}  // namespace velmor::platform
