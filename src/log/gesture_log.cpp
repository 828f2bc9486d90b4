#include "log/gesture_log.h"

#include <mutex>
#include <string>
#include <system_error>

#include "core/date_format.h"
#include "platform/files.h"

namespace velmor {

namespace {

// Lines come from the main thread and from background queues; one lock keeps every line
// whole and keeps a rotation from racing an append or the first creation of the file.
std::mutex& gestureLogMutex() {
    static std::mutex mutex;
    return mutex;
}

std::filesystem::path previousGenerationPath(const std::filesystem::path& logPath) {
    auto previous = logPath;
    previous += ".previous";
    return previous;
}

// False when the log stayed where it was; a rotation then appends to it as before.
bool moveToPreviousGeneration(const std::filesystem::path& logPath) {
    const auto previous = previousGenerationPath(logPath);
    std::error_code ignored;
    std::filesystem::remove(previous, ignored);
    std::error_code error;
    std::filesystem::rename(logPath, previous, error);
    return !error;
}

void rotateLocked(const std::filesystem::path& logPath) {
    if (files::fileSize(logPath).value_or(0) > kGestureLogSizeLimit) {
        moveToPreviousGeneration(logPath);
    }
}

// Never throws: the caller may be the event-tap callback, and a Desktop that cannot be
// searched (another user's, a link loop) must only lose the line.
void appendLocked(const std::filesystem::path& logPath, std::string_view line) {
    if (files::appendToExistingFile(logPath, line)) {
        return;
    }
    std::error_code error;
    const auto type = std::filesystem::symlink_status(logPath, error).type();
    if (type == std::filesystem::file_type::not_found) {
        files::writeAtomically(logPath, line);  // a missing Desktop simply loses the line
    } else if (type == std::filesystem::file_type::regular && moveToPreviousGeneration(logPath)) {
        // A log that refuses appends (read-only, another user's) is kept whole as the
        // previous generation, and logging goes on in a fresh file.
        files::writeAtomically(logPath, line);
    }
}

}  // namespace

std::filesystem::path VLGestureLogPath(platform::Platform& platform) {
    return platform.paths().desktopFolder() / "Velmor_GestureLog.txt";
}

std::string VLLogTimestamp(platform::Platform& platform) {
    return dateDescription(platform.scheduler().secondsSince1970());
}

void VLStudioLog(platform::Platform& platform, std::string_view message) {
    const auto logPath = VLGestureLogPath(platform);
    std::string line = VLLogTimestamp(platform);
    line += ": ";
    line += message;
    line += '\n';
    std::lock_guard lock(gestureLogMutex());
    rotateLocked(logPath);
    appendLocked(logPath, line);
}

void VLRotateGestureLog(platform::Platform& platform) {
    const auto logPath = VLGestureLogPath(platform);
    std::lock_guard lock(gestureLogMutex());
    rotateLocked(logPath);
}

void VLAppendToGestureLog(platform::Platform& platform, std::string_view line) {
    const auto logPath = VLGestureLogPath(platform);
    std::lock_guard lock(gestureLogMutex());
    appendLocked(logPath, line);
}

}  // namespace velmor
