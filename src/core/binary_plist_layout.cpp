#include "core/binary_plist_layout.h"

namespace velmor {

namespace {

constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kTrailerSize = 32;
constexpr unsigned kInteger = 0x10;
constexpr unsigned kCountFollows = 0x0F;

unsigned byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

bool isNumberSize(std::size_t size) {
    return size >= 1 && size <= 8;
}

}  // namespace

std::optional<std::uint64_t> readBigEndian(std::string_view bytes, std::size_t at,
                                           std::size_t size) {
    if (!isNumberSize(size) || at > bytes.size() || size > bytes.size() - at) {
        return std::nullopt;
    }
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < size; ++i) {
        number = (number << 8) | byteAt(bytes, at + i);
    }
    return number;
}

std::optional<BinaryPlistLayout> readBinaryPlistLayout(std::string_view bytes) {
    if (bytes.size() < kHeaderSize + kTrailerSize) {
        return std::nullopt;
    }
    BinaryPlistLayout layout;
    layout.bytes = bytes;
    layout.trailer = bytes.size() - kTrailerSize;
    layout.offsetSize = byteAt(bytes, layout.trailer + 6);
    layout.referenceSize = byteAt(bytes, layout.trailer + 7);
    auto objectCount = readBigEndian(bytes, layout.trailer + 8, 8);
    auto topObject = readBigEndian(bytes, layout.trailer + 16, 8);
    auto tableOffset = readBigEndian(bytes, layout.trailer + 24, 8);
    if (!isNumberSize(layout.offsetSize) || !isNumberSize(layout.referenceSize) ||
        *tableOffset > layout.trailer ||
        *objectCount > (layout.trailer - *tableOffset) / layout.offsetSize) {
        return std::nullopt;
    }
    layout.objectCount = *objectCount;
    layout.topObject = *topObject;
    layout.tableOffset = static_cast<std::size_t>(*tableOffset);
    return layout;
}

std::optional<std::size_t> binaryPlistObjectOffset(const BinaryPlistLayout& layout,
                                                   std::uint64_t index) {
    if (index >= layout.objectCount) {
        return std::nullopt;
    }
    auto offset = readBigEndian(
        layout.bytes, layout.tableOffset + static_cast<std::size_t>(index) * layout.offsetSize,
        layout.offsetSize);
    if (!offset || *offset >= layout.trailer) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(*offset);
}

std::optional<BinaryPlistObjectHead> readBinaryPlistObjectHead(std::string_view bytes,
                                                               std::size_t offset) {
    if (offset >= bytes.size()) {
        return std::nullopt;
    }
    const unsigned marker = byteAt(bytes, offset);
    BinaryPlistObjectHead head{marker & 0xF0, marker & kCountFollows, offset + 1};
    if (head.count != kCountFollows) {
        return head;
    }
    if (head.content >= bytes.size() || (byteAt(bytes, head.content) & 0xF0) != kInteger) {
        return std::nullopt;
    }
    const std::size_t size = std::size_t{1} << (byteAt(bytes, head.content) & 0x0F);
    auto count = readBigEndian(bytes, head.content + 1, size);
    if (!count) {
        return std::nullopt;
    }
    head.count = *count;
    head.content += 1 + size;
    return head;
}

}  // namespace velmor
