#include "platform/macos/mac_workspace.h"

#import <AppKit/AppKit.h>

#include "platform/macos/foundation_text.h"
#include "platform/macos_tables/macos_places.h"

namespace velmor::macos {

namespace {

constexpr const char* kOwnBundleIdentifier = "com.brisvane.velmor";

std::optional<std::string> utf8(NSString* text) {
    if (text == nil) {
        return std::nullopt;
    }
    return utf8Text(text);
}

platform::RunningApplication runningApplication(NSRunningApplication* application) {
    return {application.processIdentifier, utf8(application.bundleIdentifier)};
}

NSRunningApplication* running(const platform::RunningApplication& application) {
    return [NSRunningApplication runningApplicationWithProcessIdentifier:application.pid];
}

// Opening an application by its URL replaces the deprecated launching by name; the launch
// itself goes on after the call returns.
bool openApplication(NSURL* url) {
    if (url == nil) {
        return false;
    }
    NSWorkspaceOpenConfiguration* configuration = [NSWorkspaceOpenConfiguration configuration];
    [NSWorkspace.sharedWorkspace openApplicationAtURL:url
                                        configuration:configuration
                                    completionHandler:nil];
    return true;
}

}  // namespace

std::optional<platform::RunningApplication> MacWorkspace::frontmostApplication() {
    @autoreleasepool {
        NSRunningApplication* front = NSWorkspace.sharedWorkspace.frontmostApplication;
        if (front == nil) {
            return std::nullopt;
        }
        return runningApplication(front);
    }
}

bool MacWorkspace::isTerminated(const platform::RunningApplication& application) {
    @autoreleasepool {
        NSRunningApplication* found = running(application);
        return found == nil || found.terminated;
    }
}

bool MacWorkspace::launchApplication(const std::string& name) {
    @autoreleasepool {
        for (const std::filesystem::path& candidate : applicationCandidates(name, home_)) {
            NSString* path = foundationText(candidate.string());
            if ([NSFileManager.defaultManager fileExistsAtPath:path]) {
                return openApplication([NSURL fileURLWithPath:path]);
            }
        }
        return false;
    }
}

// By bundle identifier: System Preferences is System Settings on newer systems.
bool MacWorkspace::launchWellKnownApplication(platform::WellKnownApplication application) {
    @autoreleasepool {
        NSString* identifier =
            foundationText(std::string(wellKnownApplicationIdentifier(application)));
        return openApplication(
            [NSWorkspace.sharedWorkspace URLForApplicationWithBundleIdentifier:identifier]);
    }
}

std::string MacWorkspace::wellKnownApplicationPath(platform::WellKnownApplication application) {
    return macos::wellKnownApplicationPath(application);
}

bool MacWorkspace::isWebBrowser(const std::string& applicationId) {
    return macos::isWebBrowser(applicationId);
}

bool MacWorkspace::openURL(const std::string& absoluteURL) {
    @autoreleasepool {
        NSURL* url = [NSURL URLWithString:foundationText(absoluteURL)];
        return url != nil && [NSWorkspace.sharedWorkspace openURL:url];
    }
}

bool MacWorkspace::openFile(const std::string& path) {
    @autoreleasepool {
        return [NSWorkspace.sharedWorkspace openURL:[NSURL fileURLWithPath:foundationText(path)]];
    }
}

platform::ItemKind MacWorkspace::itemAtPath(const std::string& path) {
    @autoreleasepool {
        BOOL folder = NO;
        if (path.empty() || ![NSFileManager.defaultManager fileExistsAtPath:foundationText(path)
                                                                isDirectory:&folder]) {
            return platform::ItemKind::none;
        }
        return folder ? platform::ItemKind::folder : platform::ItemKind::file;
    }
}

std::optional<std::string> MacWorkspace::applicationIdAtPath(const std::string& path) {
    @autoreleasepool {
        NSBundle* bundle = [NSBundle bundleWithURL:[NSURL fileURLWithPath:foundationText(path)]];
        std::optional<std::string> identifier = utf8(bundle.bundleIdentifier);
        if (identifier && identifier->empty()) {
            return std::nullopt;
        }
        return identifier;
    }
}

bool MacWorkspace::isApplication(const std::string& path) {
    return namesApplicationBundle(path) && itemAtPath(path) == platform::ItemKind::folder &&
           applicationIdAtPath(path).has_value();
}

std::optional<std::string> MacWorkspace::applicationName(const std::string& applicationId) {
    @autoreleasepool {
        NSURL* url = [NSWorkspace.sharedWorkspace
            URLForApplicationWithBundleIdentifier:foundationText(applicationId)];
        if (url == nil) {
            return std::nullopt;
        }
        NSString* name = [NSFileManager.defaultManager displayNameAtPath:url.path];
        if ([name hasSuffix:@".app"]) {
            name = [name substringToIndex:name.length - 4];
        }
        return utf8(name);
    }
}

std::vector<platform::RunningApplication> MacWorkspace::runningApplications(
    const std::string& applicationId) {
    @autoreleasepool {
        std::vector<platform::RunningApplication> found;
        for (NSRunningApplication* application in [NSRunningApplication
                 runningApplicationsWithBundleIdentifier:foundationText(applicationId)]) {
            found.push_back(runningApplication(application));
        }
        return found;
    }
}

// The ordinary request, which lets the application ask to save its documents.
void MacWorkspace::terminate(const platform::RunningApplication& application) {
    @autoreleasepool {
        [running(application) terminate];
    }
}

void MacWorkspace::unhide(const platform::RunningApplication& application) {
    @autoreleasepool {
        [running(application) unhide];
    }
}

void MacWorkspace::activate(const platform::RunningApplication& application, unsigned options) {
    @autoreleasepool {
        [running(application)
            activateWithOptions:static_cast<NSApplicationActivationOptions>(options)];
    }
}

std::string MacWorkspace::ownApplicationId() {
    @autoreleasepool {
        return utf8(NSBundle.mainBundle.bundleIdentifier).value_or(kOwnBundleIdentifier);
    }
}

}  // namespace velmor::macos
