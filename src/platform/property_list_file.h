#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include "core/value.h"

namespace velmor::files {

// Reads an XML or binary property-list file that is a regular file of at most maxBytes.
std::optional<Value> readPropertyListFile(const std::filesystem::path& path,
                                          std::uint64_t maxBytes = 64u << 20);

// Writes the value as an XML property list, atomically.
bool writePropertyListFile(const std::filesystem::path& path, const Value& value);

}  // namespace velmor::files
