#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace velmor {

// Where the parts of a binary property list lie, as its trailer describes them.
struct BinaryPlistLayout {
    std::string_view bytes;
    std::size_t offsetSize = 0;
    std::size_t referenceSize = 0;
    std::uint64_t objectCount = 0;
    std::uint64_t topObject = 0;
    std::size_t tableOffset = 0;
    std::size_t trailer = 0;  // where the trailer begins: no object reaches into it
};

// The layout of a binary property list; nothing when its trailer contradicts the bytes.
std::optional<BinaryPlistLayout> readBinaryPlistLayout(std::string_view bytes);

// Where object number `index` begins; nothing when the offset table says nowhere sensible.
std::optional<std::size_t> binaryPlistObjectOffset(const BinaryPlistLayout& layout,
                                                   std::uint64_t index);

// An object's marker byte split up: the type nibble, the count it announces (in string
// units, references or key-value pairs) and where its content begins.
struct BinaryPlistObjectHead {
    unsigned type = 0;
    std::uint64_t count = 0;
    std::size_t content = 0;
};

// Reads the head of a string, data or container object, following a count that does not
// fit in the marker's low nibble. Nothing when that count is malformed or runs off the end.
std::optional<BinaryPlistObjectHead> readBinaryPlistObjectHead(std::string_view bytes,
                                                               std::size_t offset);

// A big-endian unsigned number of 1 to 8 bytes; nothing when it does not fit in the bytes.
std::optional<std::uint64_t> readBigEndian(std::string_view bytes, std::size_t at,
                                           std::size_t size);

}  // namespace velmor
