#include "replay/transcript.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "core/number_text.h"
#include "core/string_format.h"
#include "replay/json_text.h"

namespace velmor {

namespace {

// Keys that read best first, in this order; the others follow alphabetically.
constexpr std::array<std::string_view, 19> kLeadingKeys{
    "message", "informative", "buttons", "field", "response", "title", "type",
    "result",  "x",           "y",       "key",   "flags",    "down",  "name",
    "url",     "path",        "bundle",  "pid",   "line"};

std::vector<std::string_view> orderedKeys(const Value::Dictionary& fields) {
    std::vector<std::string_view> keys;
    for (const std::string_view key : kLeadingKeys) {
        if (fields.contains(key)) {
            keys.push_back(key);
        }
    }
    for (const auto& [key, value] : fields) {
        if (std::ranges::find(kLeadingKeys, key) == kLeadingKeys.end()) {
            keys.push_back(key);
        }
    }
    return keys;
}

// Keys that are written as null when absent, so that readers always find them.
std::string_view nullableKey(std::string_view kind) {
    if (kind == "panel") {
        return "result";
    }
    if (kind == "defaults") {
        return "value";
    }
    return {};
}

std::string timeText(double t) {
    // Virtual time to the microsecond; sums of intervals leave noise in the last digits.
    return shortestRealText(std::round(t * 1e6) / 1e6);
}

// Calls visit(key, value) in reading order; value is null for a nullable key that is absent,
// and for a panel's result that is no path (the panel was cancelled).
template <typename Visit>
void forEachField(std::string_view kind, const Value::Dictionary& fields, Visit visit) {
    const std::string_view nullable = nullableKey(kind);
    for (const std::string_view key : orderedKeys(fields)) {
        const Value& value = fields.find(key)->second;
        const bool cancelled = kind == "panel" && key == "result" && !value.isString();
        visit(key, cancelled ? nullptr : &value);
    }
    if (!nullable.empty() && !fields.contains(nullable)) {
        visit(nullable, nullptr);
    }
}

// Text records quote strings like JSON too, so that every record stays on one line.
void appendValueOrNull(std::string& out, const Value* value,
                       ControlEscapes escapes = ControlEscapes::unicode) {
    if (value) {
        appendJsonValue(out, *value, escapes);
    } else {
        out += "null";
    }
}

// " right-drag" for an event record's type, so that a reader needs no table.
std::string eventName(const Value::Dictionary& fields) {
    const auto type = fields.find("type");
    const auto number = type == fields.end() ? std::nullopt : type->second.numberAsInteger();
    switch (number.value_or(0)) {
        case 3:
            return " right-down";
        case 4:
            return " right-up";
        case 7:
            return " right-drag";
        case 10:
            return " key-down";
        case 11:
            return " key-up";
        case 22:
            return " wheel";
        case 25:
            return " other-down";
        case 26:
            return " other-up";
        default:
            return {};
    }
}

void appendMenuLines(std::string& out, const Value& items, int depth) {
    const Value::Array* array = items.asArray();
    if (!array) {
        return;
    }
    for (const Value& item : *array) {
        const Value* separator = item.find("separator");
        out += "\n" + std::string(11 + static_cast<std::size_t>(depth) * 4, ' ');
        if (separator && separator->asBoolean().value_or(false)) {
            out += "----";
            continue;
        }
        const Value* checked = item.find("checked");
        const Value* enabled = item.find("enabled");
        const Value* key = item.find("key");
        out += checked && checked->asBoolean().value_or(false) ? "[x] " : "[ ] ";
        const Value* title = item.find("title");
        out += title && title->asString() ? *title->asString() : std::string();
        if (enabled && !enabled->asBoolean().value_or(true)) {
            out += "  (disabled)";
        }
        if (key && key->asString() && !key->asString()->empty()) {
            out += "  (command-" + *key->asString() + ")";
        }
        if (const Value* submenu = item.find("submenu")) {
            appendMenuLines(out, *submenu, depth + 1);
        }
    }
}

}  // namespace

std::string jsonRecord(double t, std::string_view kind, const Value::Dictionary& fields) {
    std::string out = "{\"t\":" + timeText(t) + ",\"kind\":";
    appendJsonString(out, kind);
    forEachField(kind, fields, [&out](std::string_view key, const Value* value) {
        out += ',';
        appendJsonString(out, key);
        out += ':';
        appendValueOrNull(out, value);
    });
    out += '}';
    return out;
}

std::string textRecord(double t, std::string_view kind, const Value::Dictionary& fields) {
    std::string out = formatString("%10.3f  ", t);
    out += kind;
    if (kind == "event") {
        out += eventName(fields);
    }
    if (kind == "menu") {
        if (const auto items = fields.find("items"); items != fields.end()) {
            appendMenuLines(out, items->second, 0);
        }
        return out;
    }
    forEachField(kind, fields, [&out](std::string_view key, const Value* value) {
        out += ' ';
        out += key;
        out += '=';
        appendValueOrNull(out, value, ControlEscapes::readable);
    });
    return out;
}

void Transcript::write(double t, std::string_view kind, const Value::Dictionary& fields) {
    out_ << (format_ == TranscriptFormat::json ? jsonRecord(t, kind, fields)
                                               : textRecord(t, kind, fields))
         << '\n'
         << std::flush;
}

}  // namespace velmor
