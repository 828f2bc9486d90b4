#include "core/binary_plist_screen.h"

#include <cstddef>
#include <cstdint>

#include "core/binary_plist_graph.h"
#include "core/binary_plist_layout.h"

namespace velmor {

namespace {

constexpr std::string_view kBinaryMagic = "bplist";
constexpr unsigned kAsciiString = 0x50;
constexpr unsigned kUtf16String = 0x60;

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
    const unsigned type = static_cast<unsigned char>(bytes[offset]) & 0xF0U;
    if (type != kAsciiString && type != kUtf16String) {
        return true;
    }
    auto head = readBinaryPlistObjectHead(bytes, offset);
    if (!head) {
        return false;
    }
    std::size_t unitSize = type == kAsciiString ? 1 : 2;
    if (head->content > bytes.size() || head->count > (bytes.size() - head->content) / unitSize) {
        return false;
    }
    return unitsFreeOfNul(
        bytes.substr(head->content, static_cast<std::size_t>(head->count) * unitSize), unitSize);
}

bool everyObjectIsHarmless(const BinaryPlistLayout& layout) {
    for (std::uint64_t index = 0; index < layout.objectCount; ++index) {
        auto offset = binaryPlistObjectOffset(layout, index);
        if (!offset || !objectIsHarmless(layout.bytes, *offset)) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool passesBinaryPlistScreen(std::string_view bytes) {
    if (!bytes.starts_with(kBinaryMagic)) {
        return true;
    }
    auto layout = readBinaryPlistLayout(bytes);
    return layout && everyObjectIsHarmless(*layout) && binaryPlistGraphIsBounded(*layout);
}

}  // namespace velmor
