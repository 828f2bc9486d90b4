#include "core/text.h"

#include <cstdint>
#include <optional>

namespace velmor {

namespace {

struct DecodedCharacter {
    char32_t codePoint;
    std::size_t length;
};

std::optional<DecodedCharacter> decodeAt(std::string_view bytes, std::size_t index) {
    const auto lead = static_cast<unsigned char>(bytes[index]);
    std::size_t length = 0;
    char32_t codePoint = 0;
    if (lead < 0x80) {
        return DecodedCharacter{lead, 1};
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (index + length > bytes.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[index + i]);
        if ((next & 0xC0) != 0x80) {
            return std::nullopt;
        }
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return std::nullopt;
    }
    return DecodedCharacter{codePoint, length};
}

bool isWhitespaceOrNewline(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Byte length of the white space at the start of the text.
std::size_t leadingWhitespace(std::string_view text) {
    std::size_t index = 0;
    while (index < text.size()) {
        const auto decoded = decodeAt(text, index);
        if (!decoded || !isWhitespaceOrNewline(decoded->codePoint)) {
            break;
        }
        index += decoded->length;
    }
    return index;
}

// Byte offset where the trailing white space begins.
std::size_t trailingWhitespaceStart(std::string_view text) {
    std::size_t end = 0;
    std::size_t index = 0;
    while (index < text.size()) {
        const auto decoded = decodeAt(text, index);
        const std::size_t length = decoded ? decoded->length : 1;
        if (!decoded || !isWhitespaceOrNewline(decoded->codePoint)) {
            end = index + length;
        }
        index += length;
    }
    return end;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    std::size_t index = 0;
    while (index < bytes.size()) {
        const auto decoded = decodeAt(bytes, index);
        if (!decoded) {
            return false;
        }
        index += decoded->length;
    }
    return true;
}

std::string asciiLowercased(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lowered;
}

std::string trimmedOfWhitespaceAndNewlines(std::string_view utf8) {
    const std::size_t begin = leadingWhitespace(utf8);
    if (begin == utf8.size()) {
        return {};
    }
    const std::size_t end = trailingWhitespaceStart(utf8);
    return std::string(utf8.substr(begin, end - begin));
}

}  // namespace velmor
