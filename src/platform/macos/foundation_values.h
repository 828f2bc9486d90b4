#pragma once

#import <Foundation/Foundation.h>

#include <optional>

#include "core/value.h"

// Property-list values as Foundation objects and back, for the user defaults and the
// notification centre. Objective-C++ only.
namespace velmor::macos {

// An NSString, NSNumber, NSDate, NSData, NSArray or NSDictionary.
id foundationObject(const Value& value);
// Nothing for an object that is no property-list value (a dictionary loses keys that are
// not strings, and entries that are no property-list values).
std::optional<Value> valueOfFoundationObject(id object);

}  // namespace velmor::macos
