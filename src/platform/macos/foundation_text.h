#pragma once

#import <Foundation/Foundation.h>

#include <string>
#include <string_view>

// Text between the program's UTF-8 and Foundation's strings. Objective-C++ only.
namespace velmor::macos {

// Never nil: bytes that are no UTF-8 are taken one character per byte.
NSString* foundationText(std::string_view utf8);
// Empty for nil.
std::string utf8Text(NSString* text);

}  // namespace velmor::macos
