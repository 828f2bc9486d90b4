#include "replay/json_text.h"

#include <cmath>

#include "core/number_text.h"
#include "core/text.h"

namespace velmor {

namespace {

constexpr std::string_view kHexDigits = "0123456789abcdef";

void appendEscaped(std::string& out, unsigned char c, ControlEscapes escapes) {
    if (escapes == ControlEscapes::readable && (c == '\n' || c == '\t')) {
        out += c == '\n' ? "\\n" : "\\t";
    } else if (c == '"' || c == '\\') {
        out += '\\';
        out += static_cast<char>(c);
    } else if (c < 0x20 || c == 0x7F) {
        out += "\\u00";
        out += kHexDigits[c >> 4];
        out += kHexDigits[c & 0xF];
    } else {
        out += static_cast<char>(c);
    }
}

void appendArray(std::string& out, const Value::Array& items, ControlEscapes escapes) {
    out += '[';
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (index > 0) {
            out += ',';
        }
        appendJsonValue(out, items[index], escapes);
    }
    out += ']';
}

void appendDictionary(std::string& out, const Value::Dictionary& entries, ControlEscapes escapes) {
    out += '{';
    bool first = true;
    for (const auto& [key, entry] : entries) {
        if (!first) {
            out += ',';
        }
        first = false;
        appendJsonString(out, key, escapes);
        out += ':';
        appendJsonValue(out, entry, escapes);
    }
    out += '}';
}

void appendReal(std::string& out, double number) {
    out += std::isfinite(number) ? shortestRealText(number) : "null";
}

void appendNumber(std::string& out, const Value& value) {
    if (const Value::Integer* integer = value.asInteger()) {
        out += integer->isUnsignedAboveInt64
                   ? std::to_string(static_cast<std::uint64_t>(integer->value))
                   : std::to_string(integer->value);
    } else if (const auto flag = value.asBoolean()) {
        out += *flag ? "true" : "false";
    } else {
        appendReal(out, value.numberAsDouble().value_or(0.0));
    }
}

}  // namespace

void appendJsonString(std::string& out, std::string_view text, ControlEscapes escapes) {
    out += '"';
    const bool utf8 = isValidUtf8(text);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (!utf8 && byte >= 0x80) {
            out += "\\ufffd";
        } else {
            appendEscaped(out, byte, escapes);
        }
    }
    out += '"';
}

void appendJsonValue(std::string& out, const Value& value, ControlEscapes escapes) {
    if (const std::string* text = value.asString()) {
        appendJsonString(out, *text, escapes);
    } else if (value.isNumber()) {
        appendNumber(out, value);
    } else if (const Value::Array* items = value.asArray()) {
        appendArray(out, *items, escapes);
    } else if (const Value::Dictionary* entries = value.asDictionary()) {
        appendDictionary(out, *entries, escapes);
    } else if (const Value::Date* date = value.asDate()) {
        appendReal(out, date->secondsSince2001);
    } else if (const Value::Data* data = value.asData()) {
        out += '"';
        for (const char c : data->bytes) {
            const auto byte = static_cast<unsigned char>(c);
            out += kHexDigits[byte >> 4];
            out += kHexDigits[byte & 0xF];
        }
        out += '"';
    }
}

}  // namespace velmor
