#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmor {

// Follows the gesture log like `tail -f`: each call gives the complete lines appended
// since the last call, without their line breaks. A rotation (the log moved to
// ".previous" and a new one begun) is followed: the rest of the old log comes first.
class GestureLogTail {
public:
    // Starts at the log's current end: lines already there are not reported.
    explicit GestureLogTail(std::filesystem::path logPath);

    std::vector<std::string> newLines();

private:
    struct FileStamp {
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;
        friend bool operator==(const FileStamp&, const FileStamp&) = default;
    };
    static std::optional<FileStamp> stampOf(const std::filesystem::path& path);
    // Reads from offset to the end; empty when the file is missing or shorter.
    static std::string readFrom(const std::filesystem::path& path, std::uintmax_t offset);
    void takeLines(std::string bytes, std::vector<std::string>& lines);

    std::filesystem::path logPath_;
    std::filesystem::path previousPath_;
    std::uintmax_t offset_ = 0;
    std::optional<FileStamp> previousStamp_;
    std::string partialLine_;
};

}  // namespace velmor
