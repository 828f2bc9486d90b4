#include "core/binary_plist_screen.h"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace velmor {

namespace {

constexpr std::string_view kBinaryMagic = "bplist";
constexpr std::size_t kHeaderSize = 8;
constexpr std::size_t kTrailerSize = 32;
constexpr unsigned kAsciiString = 0x50;
constexpr unsigned kUtf16String = 0x60;
constexpr unsigned kInteger = 0x10;
constexpr unsigned kLengthFollows = 0x0F;

unsigned byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}

// A big-endian unsigned number of 1 to 8 bytes; nothing when it does not fit in the bytes.
std::optional<std::uint64_t> bigEndian(std::string_view bytes, std::size_t at, std::size_t size) {
    if (size == 0 || size > 8 || at > bytes.size() || size > bytes.size() - at) {
        return std::nullopt;
    }
    std::uint64_t number = 0;
    for (std::size_t i = 0; i < size; ++i) {
        number = (number << 8) | byteAt(bytes, at + i);
    }
    return number;
}

bool unitsFreeOfNul(std::string_view units, std::size_t unitSize) {
    for (std::size_t at = 0; at < units.size(); at += unitSize) {
        if (units.substr(at, unitSize).find_first_not_of('\0') == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

// True unless the object at the offset is a string that holds a NUL or runs past the end.
bool objectIsHarmless(std::string_view bytes, std::size_t offset) {
    unsigned marker = byteAt(bytes, offset);
    unsigned type = marker & 0xF0;
    if (type != kAsciiString && type != kUtf16String) {
        return true;
    }
    std::uint64_t length = marker & 0x0F;
    std::size_t start = offset + 1;
    if (length == kLengthFollows) {
        if (start >= bytes.size() || (byteAt(bytes, start) & 0xF0) != kInteger) {
            return false;
        }
        std::size_t size = std::size_t{1} << (byteAt(bytes, start) & 0x0F);
        auto counted = bigEndian(bytes, start + 1, size);
        if (!counted) {
            return false;
        }
        length = *counted;
        start += 1 + size;
    }
    std::size_t unitSize = type == kAsciiString ? 1 : 2;
    if (start > bytes.size() || length > (bytes.size() - start) / unitSize) {
        return false;
    }
    return unitsFreeOfNul(bytes.substr(start, static_cast<std::size_t>(length) * unitSize),
                          unitSize);
}

}  // namespace

bool passesBinaryPlistScreen(std::string_view bytes) {
    if (!bytes.starts_with(kBinaryMagic)) {
        return true;
    }
    if (bytes.size() < kHeaderSize + kTrailerSize) {
        return false;
    }
    std::size_t trailer = bytes.size() - kTrailerSize;
    std::size_t offsetSize = byteAt(bytes, trailer + 6);
    auto objectCount = bigEndian(bytes, trailer + 8, 8);
    auto tableOffset = bigEndian(bytes, trailer + 24, 8);
    if (offsetSize == 0 || offsetSize > 8 || !objectCount || !tableOffset ||
        *tableOffset > trailer || *objectCount > (trailer - *tableOffset) / offsetSize) {
        return false;
    }
    for (std::uint64_t index = 0; index < *objectCount; ++index) {
        auto offset = bigEndian(bytes, static_cast<std::size_t>(*tableOffset + index * offsetSize),
                                offsetSize);
        if (!offset || *offset >= trailer ||
            !objectIsHarmless(bytes, static_cast<std::size_t>(*offset))) {
            return false;
        }
    }
    return true;
}

}  // namespace velmor
