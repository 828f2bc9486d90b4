#include "core/value.h"

#include <bit>
#include <cmath>
#include <limits>
#include <utility>

namespace velmor {

namespace {

constexpr double kTwoTo63 = 9223372036854775808.0;
constexpr double kTwoTo64 = 18446744073709551616.0;

std::uint64_t unsignedBits(const Value::Integer& number) {
    return std::bit_cast<std::uint64_t>(number.value);
}

double integerAsDouble(const Value::Integer& number) {
    return number.isUnsignedAboveInt64 ? static_cast<double>(unsignedBits(number))
                                       : static_cast<double>(number.value);
}

// Exact comparison of an integer with a real: a real equals an integer only when it is
// integral and the very same number, so no rounding through double can make two
// different large integers look equal.
bool integerEqualsReal(const Value::Integer& number, double real) {
    if (!std::isfinite(real) || std::trunc(real) != real) {
        return false;
    }
    if (number.isUnsignedAboveInt64) {
        return real >= kTwoTo63 && real < kTwoTo64 &&
               static_cast<std::uint64_t>(real) == unsignedBits(number);
    }
    return real >= -kTwoTo63 && real < kTwoTo63 && static_cast<std::int64_t>(real) == number.value;
}

// The numeric view of integer, real and boolean, for comparing across the three.
struct Number {
    std::optional<Value::Integer> integer;
    double real = 0.0;
};

std::optional<Number> numberOf(const Value& value) {
    if (const Value::Integer* integer = value.asInteger()) {
        return Number{*integer, 0.0};
    }
    if (std::optional<bool> flag = value.asBoolean()) {
        return Number{Value::Integer{*flag ? 1 : 0, false}, 0.0};
    }
    if (std::optional<double> real = value.numberAsDouble()) {
        return Number{std::nullopt, *real};
    }
    return std::nullopt;
}

bool numbersEqual(const Number& a, const Number& b) {
    if (a.integer && b.integer) {
        return *a.integer == *b.integer;
    }
    if (a.integer) {
        return integerEqualsReal(*a.integer, b.real);
    }
    if (b.integer) {
        return integerEqualsReal(*b.integer, a.real);
    }
    // Two NaNs are the same number here, so a value always equals itself.
    return a.real == b.real || (std::isnan(a.real) && std::isnan(b.real));
}

// Dates are equal when they fall in the same second: the XML form carries whole seconds
// only, so a date read from a binary file must equal itself after an XML round trip.
bool sameSecond(const Value::Date& a, const Value::Date& b) {
    const double left = std::floor(a.secondsSince2001);
    const double right = std::floor(b.secondsSince2001);
    return left == right || (std::isnan(left) && std::isnan(right));
}

template <typename Container>
bool sameContainer(const std::shared_ptr<const Container>& a,
                   const std::shared_ptr<const Container>& b) {
    return a == b || *a == *b;
}

}  // namespace

Value::Value() : storage_(std::string()) {}
Value::Value(std::string text) : storage_(std::move(text)) {}
Value::Value(std::string_view text) : storage_(std::string(text)) {}
Value::Value(const char* text) : storage_(std::string(text != nullptr ? text : "")) {}
Value::Value(Array items) : storage_(std::make_shared<const Array>(std::move(items))) {}
Value::Value(Dictionary entries)
    : storage_(std::make_shared<const Dictionary>(std::move(entries))) {}
Value::Value(Date date) : storage_(date) {}
Value::Value(Data data) : storage_(std::move(data)) {}
Value::Value(Storage storage) : storage_(std::move(storage)) {}

Value Value::integer(std::int64_t number) {
    return Value(Storage(Integer{number, false}));
}

Value Value::unsignedInteger(std::uint64_t number) {
    const bool aboveInt64 = number > static_cast<std::uint64_t>(INT64_MAX);
    return Value(Storage(Integer{std::bit_cast<std::int64_t>(number), aboveInt64}));
}

Value Value::real(double number) {
    return Value(Storage(number));
}

Value Value::boolean(bool flag) {
    return Value(Storage(flag));
}

Value::Type Value::type() const {
    return static_cast<Type>(storage_.index());
}

bool Value::isNumber() const {
    const Type kind = type();
    return kind == Type::integer || kind == Type::real || kind == Type::boolean;
}

const std::string* Value::asString() const {
    return std::get_if<std::string>(&storage_);
}

const Value::Array* Value::asArray() const {
    const auto* shared = std::get_if<std::shared_ptr<const Array>>(&storage_);
    return shared != nullptr ? shared->get() : nullptr;
}

const Value::Dictionary* Value::asDictionary() const {
    const auto* shared = std::get_if<std::shared_ptr<const Dictionary>>(&storage_);
    return shared != nullptr ? shared->get() : nullptr;
}

const Value::Date* Value::asDate() const {
    return std::get_if<Date>(&storage_);
}

const Value::Data* Value::asData() const {
    return std::get_if<Data>(&storage_);
}

const Value::Integer* Value::asInteger() const {
    return std::get_if<Integer>(&storage_);
}

std::optional<double> Value::numberAsDouble() const {
    if (const Integer* number = asInteger()) {
        return integerAsDouble(*number);
    }
    if (const double* real = std::get_if<double>(&storage_)) {
        return *real;
    }
    if (const bool* flag = std::get_if<bool>(&storage_)) {
        return *flag ? 1.0 : 0.0;
    }
    return std::nullopt;
}

// Reals outside the int64 range and unsigned integers above it are clamped rather than
// wrapped, so a huge number never reads back as a negative one.
std::optional<std::int64_t> Value::numberAsInteger() const {
    if (const Integer* number = asInteger()) {
        return number->isUnsignedAboveInt64 ? std::numeric_limits<std::int64_t>::max()
                                            : number->value;
    }
    if (const double* real = std::get_if<double>(&storage_)) {
        if (std::isnan(*real)) {
            return 0;
        }
        if (*real >= kTwoTo63) {
            return std::numeric_limits<std::int64_t>::max();
        }
        if (*real < -kTwoTo63) {
            return std::numeric_limits<std::int64_t>::min();
        }
        return static_cast<std::int64_t>(*real);
    }
    if (const bool* flag = std::get_if<bool>(&storage_)) {
        return *flag ? 1 : 0;
    }
    return std::nullopt;
}

std::optional<bool> Value::asBoolean() const {
    if (const bool* flag = std::get_if<bool>(&storage_)) {
        return *flag;
    }
    return std::nullopt;
}

const Value* Value::find(std::string_view key) const {
    const Dictionary* entries = asDictionary();
    if (entries == nullptr) {
        return nullptr;
    }
    const auto found = entries->find(key);
    return found != entries->end() ? &found->second : nullptr;
}

bool operator==(const Value& a, const Value& b) {
    if (a.isNumber() || b.isNumber()) {
        const std::optional<Number> left = numberOf(a);
        const std::optional<Number> right = numberOf(b);
        return left && right && numbersEqual(*left, *right);
    }
    if (a.type() != b.type()) {
        return false;
    }
    using ArrayPointer = std::shared_ptr<const Value::Array>;
    using DictionaryPointer = std::shared_ptr<const Value::Dictionary>;
    if (const auto* items = std::get_if<ArrayPointer>(&a.storage_)) {
        return sameContainer(*items, std::get<ArrayPointer>(b.storage_));
    }
    if (const auto* entries = std::get_if<DictionaryPointer>(&a.storage_)) {
        return sameContainer(*entries, std::get<DictionaryPointer>(b.storage_));
    }
    if (const Value::Date* date = a.asDate()) {
        return sameSecond(*date, *b.asDate());
    }
    return a.storage_ == b.storage_;
}

std::size_t utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (const char character : utf8) {
        const auto byte = static_cast<unsigned char>(character);
        if ((byte & 0xC0) != 0x80) {
            ++units;  // a lead byte (or a stray byte) starts one code unit
        }
        if (byte >= 0xF0) {
            ++units;  // four-byte sequences lie outside the BMP: a surrogate pair
        }
    }
    return units;
}

}  // namespace velmor
