#include "platform/macos/foundation_values.h"

#include <limits>

#include "platform/macos/foundation_text.h"

namespace velmor::macos {

namespace {

NSNumber* foundationNumber(const Value& value) {
    if (const std::optional<bool> flag = value.asBoolean()) {
        return [NSNumber numberWithBool:*flag];
    }
    if (const Value::Integer* integer = value.asInteger()) {
        return integer->isUnsignedAboveInt64
                   ? [NSNumber
                         numberWithUnsignedLongLong:static_cast<unsigned long long>(integer->value)]
                   : [NSNumber numberWithLongLong:integer->value];
    }
    return [NSNumber numberWithDouble:value.numberAsDouble().value_or(0.0)];
}

Value valueOfNumber(NSNumber* number) {
    if (CFGetTypeID((__bridge CFTypeRef)number) == CFBooleanGetTypeID()) {
        return Value::boolean(number.boolValue);
    }
    if (CFNumberIsFloatType((__bridge CFNumberRef)number)) {
        return Value::real(number.doubleValue);
    }
    const unsigned long long unsignedValue = number.unsignedLongLongValue;
    const bool aboveInt64 =
        number.objCType[0] == 'Q' &&
        unsignedValue > static_cast<unsigned long long>(std::numeric_limits<std::int64_t>::max());
    return aboveInt64 ? Value::unsignedInteger(unsignedValue)
                      : Value::integer(number.longLongValue);
}

NSArray* foundationArray(const Value::Array& items) {
    NSMutableArray* array = [NSMutableArray arrayWithCapacity:items.size()];
    for (const Value& item : items) {
        [array addObject:foundationObject(item)];
    }
    return array;
}

NSDictionary* foundationDictionary(const Value::Dictionary& entries) {
    NSMutableDictionary* dictionary = [NSMutableDictionary dictionaryWithCapacity:entries.size()];
    for (const auto& [key, item] : entries) {
        dictionary[foundationText(key)] = foundationObject(item);
    }
    return dictionary;
}

std::optional<Value> valueOfArray(NSArray* array) {
    Value::Array items;
    items.reserve(array.count);
    for (id item in array) {
        std::optional<Value> value = valueOfFoundationObject(item);
        if (!value) {
            return std::nullopt;
        }
        items.push_back(std::move(*value));
    }
    return Value(std::move(items));
}

Value valueOfDictionary(NSDictionary* dictionary) {
    Value::Dictionary entries;
    for (id key in dictionary) {
        if (![key isKindOfClass:[NSString class]]) {
            continue;
        }
        if (std::optional<Value> value = valueOfFoundationObject(dictionary[key])) {
            entries.emplace(utf8Text(key), std::move(*value));
        }
    }
    return Value(std::move(entries));
}

}  // namespace

id foundationObject(const Value& value) {
    switch (value.type()) {
        case Value::Type::string:
            return foundationText(*value.asString());
        case Value::Type::integer:
        case Value::Type::real:
        case Value::Type::boolean:
            return foundationNumber(value);
        case Value::Type::date:
            return [NSDate dateWithTimeIntervalSinceReferenceDate:value.asDate()->secondsSince2001];
        case Value::Type::data:
            return [NSData dataWithBytes:value.asData()->bytes.data()
                                  length:value.asData()->bytes.size()];
        case Value::Type::array:
            return foundationArray(*value.asArray());
        case Value::Type::dictionary:
            break;
    }
    return foundationDictionary(*value.asDictionary());
}

std::optional<Value> valueOfFoundationObject(id object) {
    if ([object isKindOfClass:[NSString class]]) {
        return Value(utf8Text(object));
    }
    if ([object isKindOfClass:[NSNumber class]]) {
        return valueOfNumber(object);
    }
    if ([object isKindOfClass:[NSDate class]]) {
        return Value(Value::Date{[object timeIntervalSinceReferenceDate]});
    }
    if ([object isKindOfClass:[NSData class]]) {
        NSData* data = object;
        if (data.length == 0) {
            return Value(Value::Data{});
        }
        return Value(Value::Data{std::string(static_cast<const char*>(data.bytes), data.length)});
    }
    if ([object isKindOfClass:[NSArray class]]) {
        return valueOfArray(object);
    }
    if ([object isKindOfClass:[NSDictionary class]]) {
        return valueOfDictionary(object);
    }
    return std::nullopt;
}

}  // namespace velmor::macos
