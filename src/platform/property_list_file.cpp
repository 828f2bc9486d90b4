#include "platform/property_list_file.h"

#include "core/property_list.h"
#include "platform/files.h"

namespace velmor::files {

std::optional<Value> readPropertyListFile(const std::filesystem::path& path,
                                          std::uint64_t maxBytes) {
    const std::optional<std::string> bytes = readRegularFile(path, maxBytes);
    if (!bytes) {
        return std::nullopt;
    }
    return parsePropertyList(*bytes);
}

bool writePropertyListFile(const std::filesystem::path& path, const Value& value) {
    return writeAtomically(path, serializeXmlPropertyList(value));
}

}  // namespace velmor::files
