#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// The real file system, shared by every platform backend.
namespace velmor::files {

// Writes a temporary file in the same folder, flushes it to disk, then renames it over the
// path: readers see the old file or the new one, never a part. False on any failure, and
// then no temporary file is left behind.
bool writeAtomically(const std::filesystem::path& path, std::string_view bytes);

// Appends the bytes to an existing file in one write. False when the file does not exist
// or cannot be written.
bool appendToExistingFile(const std::filesystem::path& path, std::string_view bytes);

// The size of a regular file; nothing when there is none.
std::optional<std::uint64_t> fileSize(const std::filesystem::path& path);

// Reads a regular file of at most maxBytes. Nothing for a missing file, a link, anything
// that is not a regular file (a device, a folder, a pipe), or a larger file, which is not
// read at all.
std::optional<std::string> readRegularFile(const std::filesystem::path& path,
                                           std::uint64_t maxBytes);

// Creates the folder with any missing intermediate folders; true when it exists afterwards
// as a folder.
bool createFolders(const std::filesystem::path& path);
// The same; nothing when the folder exists afterwards, else the system's description of
// the error, empty when it gave none.
std::optional<std::string> createFoldersReportingError(const std::filesystem::path& path);

bool isFolder(const std::filesystem::path& path);

}  // namespace velmor::files
