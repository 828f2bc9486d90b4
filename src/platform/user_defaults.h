#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/value.h"

namespace velmor::platform {

// A property-list key/value store with Foundation's typed reads. Values are read at the
// moment of use and never cached by callers.
class UserDefaults {
public:
    virtual ~UserDefaults() = default;

    virtual std::optional<Value> object(std::string_view key) const = 0;
    virtual void set(std::string_view key, Value value) = 0;
    virtual void remove(std::string_view key) = 0;
    // Writes the store to disk at once; false when that failed.
    virtual bool synchronize() = 0;

    // A string as stored; a number gives its decimal text (a boolean "1" or "0").
    std::optional<std::string> string(std::string_view key) const;
    // A number truncated toward zero; a boolean 1 or 0; a string its leading integer.
    std::int64_t integer(std::string_view key) const;
    // A number is true when non-zero; a string when it starts with Y, y, T, t or 1-9
    // after blanks, an optional sign and leading zeros. Absent means false.
    bool boolean(std::string_view key) const;
    // The value when it has that type, else nothing.
    std::optional<Value> array(std::string_view key) const;
    std::optional<Value> dictionary(std::string_view key) const;

    void setString(std::string_view key, std::string text) { set(key, Value(std::move(text))); }
    void setInteger(std::string_view key, std::int64_t number) { set(key, Value::integer(number)); }
    void setBoolean(std::string_view key, bool flag) { set(key, Value::boolean(flag)); }
};

}  // namespace velmor::platform
