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

void appendEscape(std::string& out, const char* prefix, unsigned int code) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += prefix;
    if (prefix[1] == 'u') {
        out += "00";
    }
    out += kHex[(code >> 4) & 0xF];
    out += kHex[code & 0xF];
}

}  // namespace

std::string VLEscapedForLog(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (byte == '\n') {
            escaped += "\\n";
        } else if (byte == '\r') {
            escaped += "\\r";
        } else if (byte == '\t') {
            escaped += "\\t";
        } else if (byte < 0x20 || byte == 0x7F) {
            appendEscape(escaped, "\\x", byte);
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            appendEscape(escaped, "\\u", next);  // the C1 controls, CSI among them
            ++i;
        } else {
            escaped += static_cast<char>(byte);
        }
    }
    return escaped;
}

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
    line += VLEscapedForLog(message);
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
    const bool ended = line.ends_with('\n');
    std::string escaped = VLEscapedForLog(ended ? line.substr(0, line.size() - 1) : line);
    if (ended) {
        escaped += '\n';
    }
    const auto logPath = VLGestureLogPath(platform);
    std::lock_guard lock(gestureLogMutex());
    appendLocked(logPath, escaped);
}

}  // namespace velmor
