#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmor {

// A property-list value: string, integer, real, boolean, date, data, array or dictionary.
//
// Containers are shared and immutable once built, so copying a Value is cheap whatever
// its size: settings reads hand out copies of large sample arrays on every stroke.
// Equality follows Foundation: numbers compare by numeric value across integer, real and
// boolean (1 == 1.0 == true); containers compare element by element.
class Value {
public:
    using Array = std::vector<Value>;
    using Dictionary = std::map<std::string, Value, std::less<>>;

    enum class Type { string, integer, real, boolean, date, data, array, dictionary };

    // A date, in seconds since 2001-01-01 00:00:00 UTC (the property-list epoch).
    struct Date {
        double secondsSince2001 = 0.0;
        friend bool operator==(const Date&, const Date&) = default;
    };
    // Raw bytes.
    struct Data {
        std::string bytes;
        friend bool operator==(const Data&, const Data&) = default;
    };
    // An integer of the property-list range: signed 64-bit, or unsigned 64-bit above it.
    struct Integer {
        std::int64_t value = 0;
        bool isUnsignedAboveInt64 = false;  // value holds the bits of a uint64 > INT64_MAX
        friend bool operator==(const Integer&, const Integer&) = default;
    };

    Value();  // the empty string
    Value(std::string text);
    Value(std::string_view text);
    Value(const char* text);
    Value(Array items);
    Value(Dictionary entries);
    Value(Date date);
    Value(Data data);

    static Value integer(std::int64_t number);
    static Value unsignedInteger(std::uint64_t number);
    static Value real(double number);
    static Value boolean(bool flag);

    Type type() const;
    bool isString() const { return type() == Type::string; }
    bool isNumber() const;  // integer, real or boolean
    bool isArray() const { return type() == Type::array; }
    bool isDictionary() const { return type() == Type::dictionary; }

    // Each gives nothing (a null pointer) when the value is of another type.
    const std::string* asString() const;
    const Array* asArray() const;
    const Dictionary* asDictionary() const;
    const Date* asDate() const;
    const Data* asData() const;
    const Integer* asInteger() const;

    // The numeric value of an integer, real or boolean; nothing for other types.
    std::optional<double> numberAsDouble() const;
    // An integer truncated toward zero from any number; nothing for other types.
    std::optional<std::int64_t> numberAsInteger() const;
    // The stored flag of a boolean; nothing for other types.
    std::optional<bool> asBoolean() const;

    // Dictionary lookup; nothing when this is not a dictionary or the key is absent.
    const Value* find(std::string_view key) const;

    friend bool operator==(const Value& a, const Value& b);

private:
    using Storage = std::variant<std::string, Integer, double, bool, Date, Data,
                                 std::shared_ptr<const Array>, std::shared_ptr<const Dictionary>>;
    explicit Value(Storage storage);
    Storage storage_;
};

// Length of a UTF-8 string in UTF-16 code units, as Foundation counts string lengths.
std::size_t utf16Length(std::string_view utf8);

}  // namespace velmor
