#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>

#import <AppKit/AppKit.h>

#include "app/app_entry.h"
#include "desktop/run_on_desktop.h"
#include "platform/macos/mac_platform.h"

// Starts the program once the application has finished launching, as the Mac expects of a
// menu-bar application.
@interface VLApplicationLauncher : NSObject <NSApplicationDelegate>
- (instancetype)initWithStart:(std::function<void()>)start;
@end

@implementation VLApplicationLauncher {
    std::function<void()> _start;
}

- (instancetype)initWithStart:(std::function<void()>)start {
    if ((self = [super init])) {
        _start = std::move(start);
    }
    return self;
}

- (void)applicationDidFinishLaunching:(NSNotification*)notification {
    (void)notification;
    _start();
}

@end

namespace velmor {

int runOnDesktop(std::ostream& terminal) {
    (void)terminal;  // on a Mac every message is an alert
    @autoreleasepool {
        NSApplication* application = NSApplication.sharedApplication;
        macos::MacPlatform platform;
        std::unique_ptr<VLAppDelegate> delegate;
        VLApplicationLauncher* launcher = [[VLApplicationLauncher alloc]
            initWithStart:[&platform, &delegate] { delegate = VLRunApplicationEntry(platform); }];
        application.delegate = launcher;
        platform.scheduler().runMainLoop();
        // Quitting from the menu ends the process inside the run loop; this return is for
        // a loop stopped by other means.
        return EXIT_SUCCESS;
    }
}

}  // namespace velmor
