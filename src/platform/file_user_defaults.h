#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <optional>

#include "platform/user_defaults.h"

namespace velmor::platform {

// User defaults kept in one XML property-list file, loaded once at construction. Reads
// come from memory. synchronize() writes the file atomically at once; other changes are
// written by the next synchronize() or, at the latest, when the object is destroyed.
class FileUserDefaults final : public UserDefaults {
public:
    explicit FileUserDefaults(std::filesystem::path file);
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

    const std::filesystem::path file_;
    std::optional<std::filesystem::path> movedAsideTo_;
    bool keepsUnreadableFile_ = false;

    mutable std::mutex mutex_;  // guards entries_ and the two generations
    Value::Dictionary entries_;
    std::uint64_t generation_ = 0;       // counts changes
    std::uint64_t savedGeneration_ = 0;  // the change last written to the file
    std::mutex writeMutex_;              // one file write at a time, in order
};

}  // namespace velmor::platform
