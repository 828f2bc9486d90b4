// The XML writer behind serializeXmlPropertyList. libplist's own writer keeps insertion
// order, indents differently and formats reals its own way, so files would not match what
// a Mac writes; this one reproduces Foundation's layout byte for byte.
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "core/property_list.h"
#include "core/string_format.h"
#include "core/xml_date_text.h"

namespace velmor {

namespace {

constexpr std::string_view kHeader =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
    "<plist version=\"1.0\">\n";
constexpr std::string_view kFooter = "</plist>\n";

// Base64 lines are 76 characters less 8 per indent level, and indents stop at 8 levels.
constexpr int kMaxDataIndent = 8;

std::string realText(double number) {
    if (std::isnan(number)) {
        return "nan";
    }
    if (std::isinf(number)) {
        return number < 0 ? "-infinity" : "+infinity";
    }
    if (number == 0.0) {
        return "0.0";
    }
    return formatString("%.17g", number);
}

std::string integerText(const Value::Integer& number) {
    std::array<char, 24> text{};
    const auto result = number.isUnsignedAboveInt64
                            ? std::to_chars(text.data(), text.data() + text.size(),
                                            static_cast<std::uint64_t>(number.value))
                            : std::to_chars(text.data(), text.data() + text.size(), number.value);
    return std::string(text.data(), result.ptr);
}

// Code point at offset in UTF-8; a malformed byte stands for itself.
char32_t codePointAt(std::string_view text, std::size_t offset) {
    const auto lead = static_cast<unsigned char>(text[offset]);
    const int length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (length == 1 || offset + static_cast<std::size_t>(length) > text.size()) {
        return lead;
    }
    char32_t point = lead & (0x7F >> length);
    for (int index = 1; index < length; ++index) {
        point = (point << 6) | (static_cast<unsigned char>(text[offset + index]) & 0x3F);
    }
    return point;
}

// Foundation sorts keys by UTF-16 code units, which puts characters beyond the BMP
// (surrogates, 0xD800...) before U+E000 to U+FFFF; UTF-8 byte order puts them after.
bool utf16Less(std::string_view a, std::string_view b) {
    const auto mismatch = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
    auto offset = static_cast<std::size_t>(mismatch.first - a.begin());
    if (offset == a.size() || offset == b.size()) {
        return a.size() < b.size();
    }
    while (offset > 0 && (static_cast<unsigned char>(a[offset]) & 0xC0) == 0x80) {
        --offset;
    }
    const auto firstUnit = [](char32_t point) {
        return point >= 0x10000 ? 0xD800 + ((point - 0x10000) >> 10) : point;
    };
    const char32_t left = codePointAt(a, offset);
    const char32_t right = codePointAt(b, offset);
    if (firstUnit(left) != firstUnit(right)) {
        return firstUnit(left) < firstUnit(right);
    }
    return left < right;
}

// Lead bytes 0xEE and above start U+E000 and everything after it.
bool hasCharacterFromE000(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) >= 0xEE; });
}

class XmlWriter {
public:
    std::string write(const Value& root) {
        out_.append(kHeader);
        writeValue(root, 0);
        out_.append(kFooter);
        return std::move(out_);
    }

private:
    void indent(int depth) { out_.append(static_cast<std::size_t>(depth), '\t'); }

    // Only the three characters that would break the markup are escaped.
    void appendEscaped(std::string_view text) {
        for (const char character : text) {
            switch (character) {
                case '<':
                    out_.append("&lt;");
                    break;
                case '>':
                    out_.append("&gt;");
                    break;
                case '&':
                    out_.append("&amp;");
                    break;
                default:
                    out_.push_back(character);
            }
        }
    }

    void element(int depth, std::string_view tag, std::string_view escapedText) {
        indent(depth);
        out_.append("<").append(tag).append(">");
        out_.append(escapedText);
        out_.append("</").append(tag).append(">\n");
    }

    void writeValue(const Value& value, int depth) {
        switch (value.type()) {
            case Value::Type::string:
                indent(depth);
                out_.append("<string>");
                appendEscaped(*value.asString());
                out_.append("</string>\n");
                break;
            case Value::Type::integer:
                element(depth, "integer", integerText(*value.asInteger()));
                break;
            case Value::Type::real:
                element(depth, "real", realText(*value.numberAsDouble()));
                break;
            case Value::Type::boolean:
                indent(depth);
                out_.append(*value.asBoolean() ? "<true/>\n" : "<false/>\n");
                break;
            case Value::Type::date:
                element(depth, "date", xmlDateText(value.asDate()->secondsSince2001));
                break;
            case Value::Type::data:
                writeData(value.asData()->bytes, depth);
                break;
            case Value::Type::array:
                writeArray(*value.asArray(), depth);
                break;
            case Value::Type::dictionary:
                writeDictionary(*value.asDictionary(), depth);
                break;
        }
    }

    void writeData(std::string_view bytes, int depth) {
        static constexpr std::string_view kAlphabet =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        const int lineIndent = std::min(depth, kMaxDataIndent);
        const auto bytesPerLine = static_cast<std::size_t>((76 - 8 * lineIndent) / 4 * 3);
        indent(depth);
        out_.append("<data>\n");
        for (std::size_t line = 0; line < bytes.size(); line += bytesPerLine) {
            indent(lineIndent);
            const std::size_t end = std::min(bytes.size(), line + bytesPerLine);
            for (std::size_t group = line; group < end; group += 3) {
                const std::size_t count = std::min<std::size_t>(3, end - group);
                std::uint32_t bits = 0;
                for (std::size_t index = 0; index < 3; ++index) {
                    const auto byte =
                        index < count ? static_cast<unsigned char>(bytes[group + index]) : 0u;
                    bits = (bits << 8) | byte;
                }
                for (std::size_t index = 0; index < 4; ++index) {
                    out_.push_back(index <= count ? kAlphabet[(bits >> (18 - 6 * index)) & 0x3F]
                                                  : '=');
                }
            }
            out_.push_back('\n');
        }
        indent(depth);
        out_.append("</data>\n");
    }

    void writeArray(const Value::Array& items, int depth) {
        indent(depth);
        if (items.empty()) {
            out_.append("<array/>\n");
            return;
        }
        out_.append("<array>\n");
        for (const Value& item : items) {
            writeValue(item, depth + 1);
        }
        indent(depth);
        out_.append("</array>\n");
    }

    void writeDictionary(const Value::Dictionary& entries, int depth) {
        indent(depth);
        if (entries.empty()) {
            out_.append("<dict/>\n");
            return;
        }
        out_.append("<dict>\n");
        for (const auto* entry : sortedEntries(entries)) {
            indent(depth + 1);
            out_.append("<key>");
            appendEscaped(entry->first);
            out_.append("</key>\n");
            writeValue(entry->second, depth + 1);
        }
        indent(depth);
        out_.append("</dict>\n");
    }

    static std::vector<const Value::Dictionary::value_type*> sortedEntries(
        const Value::Dictionary& entries) {
        std::vector<const Value::Dictionary::value_type*> sorted;
        sorted.reserve(entries.size());
        bool byteOrderMayDiffer = false;
        for (const auto& entry : entries) {
            sorted.push_back(&entry);
            byteOrderMayDiffer = byteOrderMayDiffer || hasCharacterFromE000(entry.first);
        }
        if (byteOrderMayDiffer) {
            std::sort(sorted.begin(), sorted.end(),
                      [](const auto* a, const auto* b) { return utf16Less(a->first, b->first); });
        }
        return sorted;
    }

    std::string out_;
};

}  // namespace

std::string serializeXmlPropertyList(const Value& value) {
    return XmlWriter().write(value);
}

}  // namespace velmor
