#include "platform/macos/foundation_text.h"

namespace velmor::macos {

NSString* foundationText(std::string_view utf8) {
    NSString* decoded = [[NSString alloc] initWithBytes:utf8.data()
                                                 length:utf8.size()
                                               encoding:NSUTF8StringEncoding];
    if (decoded != nil) {
        return decoded;
    }
    return [[NSString alloc] initWithBytes:utf8.data()
                                    length:utf8.size()
                                  encoding:NSISOLatin1StringEncoding];
}

std::string utf8Text(NSString* text) {
    const char* bytes = text.UTF8String;
    return bytes != nullptr ? std::string(bytes) : std::string();
}

}  // namespace velmor::macos
