#include "replay/gesture_log_tail.h"

#include <fstream>
#include <system_error>

namespace velmor {

GestureLogTail::GestureLogTail(std::filesystem::path logPath)
    : logPath_(std::move(logPath)), previousPath_(logPath_.string() + ".previous") {
    offset_ = stampOf(logPath_).value_or(FileStamp{}).size;
    previousStamp_ = stampOf(previousPath_);
}

std::optional<GestureLogTail::FileStamp> GestureLogTail::stampOf(
    const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    FileStamp stamp;
    stamp.size = std::filesystem::file_size(path, error);
    stamp.modified = std::filesystem::last_write_time(path, error);
    if (error) {
        return std::nullopt;
    }
    return stamp;
}

std::string GestureLogTail::readFrom(const std::filesystem::path& path, std::uintmax_t offset) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {};
    }
    file.seekg(static_cast<std::streamoff>(offset));
    if (!file) {
        return {};
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void GestureLogTail::takeLines(std::string bytes, std::vector<std::string>& lines) {
    partialLine_ += bytes;
    std::size_t start = 0;
    for (std::size_t end = partialLine_.find('\n'); end != std::string::npos;
         end = partialLine_.find('\n', start)) {
        lines.push_back(partialLine_.substr(start, end - start));
        start = end + 1;
    }
    partialLine_.erase(0, start);
}

std::vector<std::string> GestureLogTail::newLines() {
    std::vector<std::string> lines;
    const auto previous = stampOf(previousPath_);
    const auto current = stampOf(logPath_);
    if (previous && previous != previousStamp_) {
        // Rotated: the log we were reading is now the previous generation.
        takeLines(readFrom(previousPath_, offset_), lines);
        partialLine_.clear();
        offset_ = 0;
    } else if (!current || current->size < offset_) {
        // Deleted or replaced by hand: start over with whatever is there now.
        partialLine_.clear();
        offset_ = 0;
    }
    previousStamp_ = previous;
    if (current) {
        std::string bytes = readFrom(logPath_, offset_);
        offset_ += bytes.size();
        takeLines(std::move(bytes), lines);
    }
    return lines;
}

}  // namespace velmor
