#pragma once

#include <plist/plist.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "core/property_list.h"
#include "core/value.h"

// Property lists that someone with write access to a share folder could plant.
namespace velmor::testing {

inline void appendBigEndian(std::string& bytes, std::uint64_t number, std::size_t size) {
    for (std::size_t i = size; i-- > 0;) {
        bytes.push_back(static_cast<char>((number >> (8 * i)) & 0xFF));
    }
}

inline std::size_t bytesFor(std::uint64_t number) {
    std::size_t size = 1;
    while (size < 8 && number >> (8 * size) != 0) {
        ++size;
    }
    return size == 3 ? 4 : size > 4 ? 8 : size;
}

// A binary property list of arrays only: arrays[i] lists the objects array i holds, and
// array 0 is the top. `padding` unreferenced bytes lie between the objects and their table.
inline std::string binaryPlistOfArrays(const std::vector<std::vector<std::uint64_t>>& arrays,
                                       std::size_t padding = 0) {
    const std::size_t referenceSize = bytesFor(arrays.size());
    std::string bytes = "bplist00";
    std::vector<std::uint64_t> offsets;
    for (const auto& references : arrays) {
        offsets.push_back(bytes.size());
        if (references.size() < 15) {
            bytes.push_back(static_cast<char>(0xA0 | references.size()));
        } else {
            bytes += "\xAF\x13";
            appendBigEndian(bytes, references.size(), 8);
        }
        for (std::uint64_t reference : references) {
            appendBigEndian(bytes, reference, referenceSize);
        }
    }
    bytes.append(padding, '\0');
    const std::uint64_t table = bytes.size();
    const std::size_t offsetSize = bytesFor(table);
    for (std::uint64_t offset : offsets) {
        appendBigEndian(bytes, offset, offsetSize);
    }
    bytes.append(6, '\0');
    bytes.push_back(static_cast<char>(offsetSize));
    bytes.push_back(static_cast<char>(referenceSize));
    appendBigEndian(bytes, arrays.size(), 8);
    appendBigEndian(bytes, 0, 8);
    appendBigEndian(bytes, table, 8);
    return bytes;
}

// `levels` arrays, each holding the next one once (or twice, when it multiplies), and an
// empty array at the bottom.
inline std::string chainedArraysBinary(std::size_t levels, std::size_t copies = 1) {
    std::vector<std::vector<std::uint64_t>> arrays(levels + 1);
    for (std::size_t level = 0; level < levels; ++level) {
        arrays[level].assign(copies, level + 1);
    }
    return binaryPlistOfArrays(arrays);
}

// The binary form another writer would give the value: equal leaves become one shared object.
inline std::string binaryPlistOf(const Value& value) {
    const std::string xml = serializeXmlPropertyList(value);
    plist_t root = nullptr;
    plist_from_xml(xml.data(), static_cast<std::uint32_t>(xml.size()), &root);
    char* bytes = nullptr;
    std::uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    const std::unique_ptr<char, decltype(&std::free)> owned(bytes, &std::free);
    plist_free(root);
    return std::string(bytes, length);
}

inline std::string xmlPlistDocument(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n" + body +
           "\n</plist>\n";
}

// `levels` nested arrays with a string at the bottom; `between` goes after every opening tag.
inline std::string nestedArraysXml(std::size_t levels, const std::string& between = "") {
    std::string body;
    for (std::size_t level = 0; level < levels; ++level) {
        body += "<array>" + between;
    }
    body += "<string>deep</string>";
    for (std::size_t level = 0; level < levels; ++level) {
        body += "</array>";
    }
    return xmlPlistDocument(body);
}

}  // namespace velmor::testing
