#include "platform/user_defaults.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

#include "core/string_format.h"

namespace velmor::platform {

namespace {

bool isBlank(char character) {
    return character == ' ' || character == '\t' || character == '\n' || character == '\r' ||
           character == '\v' || character == '\f';
}

std::string_view skipBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

// Foundation's number description: integers plainly, reals with 16 significant digits
// and no trailing zeros (2.5 -> "2.5", 3.0 -> "3").
std::string numberDescription(const Value& number) {
    std::array<char, 32> text{};
    char* const first = text.data();
    char* const last = first + text.size();
    if (const std::optional<bool> flag = number.asBoolean()) {
        return *flag ? "1" : "0";
    }
    if (const Value::Integer* integer = number.asInteger()) {
        const auto result =
            integer->isUnsignedAboveInt64
                ? std::to_chars(first, last, static_cast<std::uint64_t>(integer->value))
                : std::to_chars(first, last, integer->value);
        return std::string(first, result.ptr);
    }
    return formatString("%.16g", number.numberAsDouble().value_or(0.0));
}

// The leading decimal integer after blanks and an optional sign, clamped to the int64
// range; 0 when the text does not start with one.
std::int64_t leadingInteger(std::string_view text) {
    text = skipBlanks(text);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    std::uint64_t magnitude = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    const bool overflow = error == std::errc::result_out_of_range;
    if (error != std::errc() && !overflow) {
        return 0;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (negative) {
        return overflow || magnitude > kMax ? std::numeric_limits<std::int64_t>::min()
                                            : -static_cast<std::int64_t>(magnitude);
    }
    return overflow || magnitude > kMax ? std::numeric_limits<std::int64_t>::max()
                                        : static_cast<std::int64_t>(magnitude);
}

bool stringMeansTrue(std::string_view text) {
    text = skipBlanks(text);
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.front() == '0') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return false;
    }
    const char first = text.front();
    return first == 'Y' || first == 'y' || first == 'T' || first == 't' ||
           (first >= '1' && first <= '9');
}

}  // namespace

std::optional<std::string> UserDefaults::string(std::string_view key) const {
    const std::optional<Value> value = object(key);
    if (!value) {
        return std::nullopt;
    }
    if (const std::string* text = value->asString()) {
        return *text;
    }
    if (value->isNumber()) {
        return numberDescription(*value);
    }
    return std::nullopt;
}

std::int64_t UserDefaults::integer(std::string_view key) const {
    const std::optional<Value> value = object(key);
    if (!value) {
        return 0;
    }
    if (const std::string* text = value->asString()) {
        return leadingInteger(*text);
    }
    return value->numberAsInteger().value_or(0);
}

bool UserDefaults::boolean(std::string_view key) const {
    const std::optional<Value> value = object(key);
    if (!value) {
        return false;
    }
    if (const std::string* text = value->asString()) {
        return stringMeansTrue(*text);
    }
    if (const std::optional<double> number = value->numberAsDouble()) {
        return *number != 0.0;
    }
    return false;
}

std::optional<Value> UserDefaults::array(std::string_view key) const {
    std::optional<Value> value = object(key);
    return value && value->isArray() ? value : std::nullopt;
}

std::optional<Value> UserDefaults::dictionary(std::string_view key) const {
    std::optional<Value> value = object(key);
    return value && value->isDictionary() ? value : std::nullopt;
}

}  // namespace velmor::platform
