#include "platform/macos/mac_paths.h"

#import <Foundation/Foundation.h>

namespace velmor::macos {

namespace {

std::filesystem::path userFolder(NSSearchPathDirectory folder, const std::filesystem::path& home,
                                 const std::filesystem::path& usual) {
    if (home != userHomeFolder()) {
        return home / usual;
    }
    @autoreleasepool {
        NSString* found =
            NSSearchPathForDirectoriesInDomains(folder, NSUserDomainMask, YES).firstObject;
        return found ? std::filesystem::path(found.fileSystemRepresentation) : home / usual;
    }
}

}  // namespace

std::filesystem::path userHomeFolder() {
    @autoreleasepool {
        return std::filesystem::path(NSHomeDirectory().fileSystemRepresentation);
    }
}

std::filesystem::path MacSystemPaths::desktopFolder() const {
    return userFolder(NSDesktopDirectory, home_, "Desktop");
}

std::filesystem::path MacSystemPaths::applicationSupportFolder() const {
    return userFolder(NSApplicationSupportDirectory, home_,
                      std::filesystem::path("Library") / "Application Support");
}

}  // namespace velmor::macos
