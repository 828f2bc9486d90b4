#include "core/property_list.h"

#include <plist/plist.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <string>

#include "core/binary_plist_screen.h"
#include "core/c_locale_scope.h"
#include "core/xml_date_text.h"
#include "core/xml_plist_nesting.h"

namespace velmor {

namespace {

struct PlistFree {
    void operator()(void* node) const { plist_free(node); }
};
using PlistNode = std::unique_ptr<void, PlistFree>;

struct MallocFree {
    void operator()(void* block) const { std::free(block); }
};

struct XmlTextFree {
    void operator()(char* text) const { plist_to_xml_free(text); }
};

// Deeper nesting than any real file has; stops hostile input from exhausting the stack.
constexpr int kMaxDepth = 512;

std::optional<Value> convert(plist_t node, int depth);

// libplist keeps every integer in one 64-bit field and remembers an unsigned number above
// INT64_MAX only by a wider internal size, which its node comparison reveals: a fresh node
// always has the narrow, signed size.
Value integerFrom(plist_t node) {
    std::uint64_t bits = 0;
    plist_get_uint_val(node, &bits);
    if (bits <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())) {
        return Value::integer(static_cast<std::int64_t>(bits));
    }
    const PlistNode narrow(plist_new_uint(bits));
    if (plist_compare_node_value(node, narrow.get()) != 0) {
        return Value::integer(std::bit_cast<std::int64_t>(bits));
    }
    return Value::unsignedInteger(bits);
}

// The whole seconds of a date node, read from the node's own XML text.
std::optional<double> wholeSecondsFromXml(plist_t node) {
    const PlistNode copy(plist_copy(node));
    char* rawText = nullptr;
    std::uint32_t length = 0;
    plist_to_xml(copy.get(), &rawText, &length);
    const std::unique_ptr<char, XmlTextFree> text(rawText);
    if (!text) {
        return std::nullopt;
    }
    const std::string_view xml(text.get(), length);
    const std::size_t open = xml.find("<date>");
    const std::size_t close = xml.find("</date>");
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) {
        return std::nullopt;
    }
    const std::size_t start = open + 6;
    return parseXmlDateText(xml.substr(start, close - start));
}

Value dateFrom(plist_t node) {
    std::int32_t seconds = 0;
    std::int32_t microseconds = 0;
    plist_get_date_val(node, &seconds, &microseconds);
    const double fraction = microseconds / 1e6;
    double whole = seconds;
    // The accessor's 32-bit seconds cover 1933 to 2069 only and saturate outside; the
    // node's XML text still holds the full date.
    const bool saturated = seconds == std::numeric_limits<std::int32_t>::min() ||
                           seconds == std::numeric_limits<std::int32_t>::max();
    if (saturated) {
        whole = wholeSecondsFromXml(node).value_or(whole);
    }
    return Value(Value::Date{whole < 0 ? whole - fraction : whole + fraction});
}

Value stringFrom(plist_t node) {
    std::uint64_t length = 0;
    const char* text = plist_get_string_ptr(node, &length);
    return text != nullptr ? Value(std::string(text, length)) : Value();
}

Value dataFrom(plist_t node) {
    std::uint64_t length = 0;
    const char* bytes = plist_get_data_ptr(node, &length);
    return Value(Value::Data{bytes != nullptr ? std::string(bytes, length) : std::string()});
}

// Keyed archives reference objects by UID; XML writers spell one as {"CF$UID": n}.
Value uidFrom(plist_t node) {
    std::uint64_t uid = 0;
    plist_get_uid_val(node, &uid);
    return Value(Value::Dictionary{{"CF$UID", Value::unsignedInteger(uid)}});
}

std::optional<Value> arrayFrom(plist_t node, int depth) {
    Value::Array items;
    items.reserve(plist_array_get_size(node));
    plist_array_iter rawIterator = nullptr;
    plist_array_new_iter(node, &rawIterator);
    const std::unique_ptr<void, MallocFree> iterator(rawIterator);
    for (;;) {
        plist_t item = nullptr;
        plist_array_next_item(node, iterator.get(), &item);
        if (item == nullptr) {
            break;
        }
        std::optional<Value> converted = convert(item, depth + 1);
        if (!converted) {
            return std::nullopt;
        }
        items.push_back(std::move(*converted));
    }
    return Value(std::move(items));
}

std::optional<Value> dictionaryFrom(plist_t node, int depth) {
    Value::Dictionary entries;
    plist_dict_iter rawIterator = nullptr;
    plist_dict_new_iter(node, &rawIterator);
    const std::unique_ptr<void, MallocFree> iterator(rawIterator);
    for (;;) {
        char* rawKey = nullptr;
        plist_t item = nullptr;
        plist_dict_next_item(node, iterator.get(), &rawKey, &item);
        const std::unique_ptr<char, MallocFree> key(rawKey);
        if (item == nullptr) {
            break;
        }
        std::optional<Value> converted = convert(item, depth + 1);
        if (!converted || !key) {
            return std::nullopt;
        }
        entries.insert_or_assign(std::string(key.get()), std::move(*converted));
    }
    return Value(std::move(entries));
}

std::optional<Value> convert(plist_t node, int depth) {
    if (depth > kMaxDepth) {
        return std::nullopt;
    }
    switch (plist_get_node_type(node)) {
        case PLIST_BOOLEAN: {
            std::uint8_t flag = 0;
            plist_get_bool_val(node, &flag);
            return Value::boolean(flag != 0);
        }
        case PLIST_UINT:
            return integerFrom(node);
        case PLIST_REAL: {
            double number = 0.0;
            plist_get_real_val(node, &number);
            return Value::real(number);
        }
        case PLIST_STRING:
            return stringFrom(node);
        case PLIST_DATE:
            return dateFrom(node);
        case PLIST_DATA:
            return dataFrom(node);
        case PLIST_UID:
            return uidFrom(node);
        case PLIST_ARRAY:
            return arrayFrom(node, depth);
        case PLIST_DICT:
            return dictionaryFrom(node, depth);
        case PLIST_KEY:
        case PLIST_NONE:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::optional<Value> parsePropertyList(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > std::numeric_limits<std::uint32_t>::max() ||
        !passesBinaryPlistScreen(bytes) || !xmlPlistNestingIsBounded(bytes)) {
        return std::nullopt;
    }
    // A terminated copy, so no part of the parser can run past the end of the input.
    const std::string terminated(bytes);
    const CLocaleScope cLocale;
    plist_t rawRoot = nullptr;
    plist_from_memory(terminated.c_str(), static_cast<std::uint32_t>(terminated.size()), &rawRoot);
    const PlistNode root(rawRoot);
    if (!root) {
        return std::nullopt;
    }
    return convert(root.get(), 0);
}

}  // namespace velmor
