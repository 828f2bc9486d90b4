#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <optional>
#include <random>
#include <string>
#include <system_error>
#include <utility>

namespace velmor::files {

namespace {

// An open file descriptor, closed when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int descriptor) : descriptor_(descriptor) {}
    ~FileDescriptor() { close(); }
    FileDescriptor(FileDescriptor&& other) noexcept
        : descriptor_(std::exchange(other.descriptor_, -1)) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return descriptor_; }
    bool valid() const { return descriptor_ >= 0; }
    // Closes now; false when the close reported an error (a late write failure).
    bool close() {
        const int descriptor = descriptor_;
        descriptor_ = -1;
        return descriptor < 0 || ::close(descriptor) == 0;
    }

private:
    int descriptor_;
};

int openRetrying(const char* path, int flags, mode_t mode = 0) {
    int descriptor = -1;
    do {
        descriptor = ::open(path, flags | O_CLOEXEC, mode);
    } while (descriptor < 0 && errno == EINTR);
    return descriptor;
}

bool writeAll(int descriptor, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A new file keeps the mode of the file it replaces, so rewriting never widens or
// narrows who may read it; a first one gets what the user's umask allows.
std::optional<mode_t> modeOfReplaced(const std::filesystem::path& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode)) {
        return existing.st_mode & 07777;
    }
    return std::nullopt;
}

// A new file beside the path, created as an ordinary file is, so the umask applies; its
// name is left in `name`.
FileDescriptor createTemporaryBeside(const std::filesystem::path& folder,
                                     const std::filesystem::path& path, std::string& name) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix(8, 'x');
        for (char& letter : suffix) {
            letter = kLetters[random() % (sizeof kLetters - 1)];
        }
        name = (folder / ("." + path.filename().string() + "." + suffix)).string();
        FileDescriptor descriptor(openRetrying(name.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666));
        if (descriptor.valid() || errno != EEXIST) {
            return descriptor;
        }
    }
    return FileDescriptor(-1);
}

// Makes the rename itself durable; a failure here does not undo the finished write.
void syncFolder(const std::filesystem::path& folder) {
    FileDescriptor descriptor(openRetrying(folder.c_str(), O_RDONLY | O_DIRECTORY));
    if (descriptor.valid()) {
        ::fsync(descriptor.get());
    }
}

// Writes, flushes and closes the temporary file; the caller removes it on failure.
bool fillTemporaryFile(FileDescriptor& descriptor, std::string_view bytes,
                       std::optional<mode_t> mode) {
    return (!mode || ::fchmod(descriptor.get(), *mode) == 0) && writeAll(descriptor.get(), bytes) &&
           ::fsync(descriptor.get()) == 0 && descriptor.close();
}

// Reads until the end, failing once more than maxBytes arrive: the file may have grown
// since its size was checked.
std::optional<std::string> readToEnd(int descriptor, std::uint64_t expectedSize,
                                     std::uint64_t maxBytes) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(expectedSize));
    std::array<char, 1 << 16> chunk{};
    for (;;) {
        const ssize_t count = ::read(descriptor, chunk.data(), chunk.size());
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            return bytes;
        }
        if (bytes.size() + static_cast<std::uint64_t>(count) > maxBytes) {
            return std::nullopt;
        }
        bytes.append(chunk.data(), static_cast<std::size_t>(count));
    }
}

}  // namespace

bool writeAtomically(const std::filesystem::path& path, std::string_view bytes) {
    if (path.filename().empty()) {
        return false;
    }
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    std::string temporaryName;
    FileDescriptor descriptor = createTemporaryBeside(folder, path, temporaryName);
    if (!descriptor.valid()) {
        return false;
    }
    if (!fillTemporaryFile(descriptor, bytes, modeOfReplaced(path)) ||
        ::rename(temporaryName.c_str(), path.c_str()) != 0) {
        descriptor.close();
        ::unlink(temporaryName.c_str());
        return false;
    }
    syncFolder(folder);
    return true;
}

bool appendToExistingFile(const std::filesystem::path& path, std::string_view bytes) {
    // Non-blocking so a pipe without a reader fails at once instead of hanging.
    FileDescriptor descriptor(openRetrying(path.c_str(), O_WRONLY | O_APPEND | O_NONBLOCK));
    if (!descriptor.valid()) {
        return false;
    }
    struct stat status {};
    if (::fstat(descriptor.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return false;
    }
    // One write call, so lines appended by several writers do not interleave.
    ssize_t written = -1;
    do {
        written = ::write(descriptor.get(), bytes.data(), bytes.size());
    } while (written < 0 && errno == EINTR);
    const bool complete = written >= 0 && static_cast<std::size_t>(written) == bytes.size();
    return descriptor.close() && complete;
}

std::optional<std::uint64_t> fileSize(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(status.st_size);
}

std::optional<std::string> readRegularFile(const std::filesystem::path& path,
                                           std::uint64_t maxBytes) {
    // No following a link and no waiting on a pipe: the open itself must be harmless.
    FileDescriptor descriptor(openRetrying(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK));
    if (!descriptor.valid()) {
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(descriptor.get(), &status) != 0 || !S_ISREG(status.st_mode) ||
        static_cast<std::uint64_t>(status.st_size) > maxBytes) {
        return std::nullopt;
    }
    return readToEnd(descriptor.get(), static_cast<std::uint64_t>(status.st_size), maxBytes);
}

bool createFolders(const std::filesystem::path& path) {
    return !createFoldersReportingError(path);
}

// Every folder made is the user's alone (0700), as the XDG base directories ask of the ones
// a program creates; folders that exist stay as they are.
std::optional<std::string> createFoldersReportingError(const std::filesystem::path& path) {
    std::filesystem::path made;
    int error = 0;
    for (const std::filesystem::path& part : path) {
        made /= part;
        if (isFolder(made)) {
            continue;
        }
        if (::mkdir(made.c_str(), 0700) != 0 && errno != EEXIST) {
            error = errno;
            break;
        }
    }
    if (isFolder(path)) {
        return std::nullopt;
    }
    return error != 0 ? std::generic_category().message(error) : std::string();
}

bool isFolder(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

}  // namespace velmor::files
