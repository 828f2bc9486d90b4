#import <AppKit/AppKit.h>

#include "conformance/backend.h"
#include "platform/macos/mac_platform.h"

namespace velmor::conformance {

namespace {

// Runs the main run loop for that long, or until it has nothing left to do.
void runMainLoopFor(double seconds) {
    const CFAbsoluteTime end = CFAbsoluteTimeGetCurrent() + seconds;
    do {
        CFRunLoopRunInMode(kCFRunLoopDefaultMode, end - CFAbsoluteTimeGetCurrent(), false);
    } while (CFAbsoluteTimeGetCurrent() < end);
}

// The Mac's own services in a home folder of the test's, with settings in a domain of their
// own. What only a person at the Mac can do is skipped with its reason.
class MacBackend : public Backend {
public:
    explicit MacBackend(const std::filesystem::path& home)
        : platform_(macos::MacOptions{home, "com.brisvane.velmor.conformance"}) {
        [NSApplication sharedApplication];
    }

    platform::Platform& platform() override { return platform_; }

    std::optional<platform::TapResult> sendInput(const platform::Event&) override {
        return std::nullopt;
    }
    void settle() override { runMainLoopFor(0.05); }
    void passTime(double seconds) override { runMainLoopFor(seconds); }
    // As the user does: the menu opens, then the item is chosen.
    bool chooseMenuItem(const std::vector<std::string>& titles) override {
        macos::MacUi& ui = platform_.macUi();
        ui.menuWillOpen();
        const auto path = ui.pathOfTitles(titles);
        return path && ui.choose(*path);
    }
    // The alert is answered from a timer that fires in the alert's modal loop.
    void answerNextAlert(int button, double secondsOpen) override {
        CFRunLoopTimerRef timer = CFRunLoopTimerCreateWithHandler(
            kCFAllocatorDefault, CFAbsoluteTimeGetCurrent() + secondsOpen, 0, 0, 0,
            ^(CFRunLoopTimerRef) {
              [NSApp stopModalWithCode:button];
            });
        CFRunLoopAddTimer(CFRunLoopGetMain(), timer, kCFRunLoopCommonModes);
        CFRelease(timer);
    }
    void answerNextPanel(std::optional<std::string>) override {}
    void grantInputPermission() override {}
    void bringForward(const std::string&, std::int32_t) override {}

    std::optional<std::string> cannot(std::string_view part) const override {
        if (part == "tap input") {
            return "the session tap needs the accessibility permission, which only the user "
                   "grants, in System Settings";
        }
        if (part == "panels") {
            return "choosing in an open panel needs a person at the Mac";
        }
        if (part == "applications" || part == "chosen pids") {
            return "bringing an application forward needs a real application, and the system "
                   "chooses its pid";
        }
        return std::nullopt;
    }

private:
    macos::MacPlatform platform_;
};

}  // namespace

BackendFactory macosBackend() {
    return {"macos", [](const std::filesystem::path& home) -> std::unique_ptr<Backend> {
                return std::make_unique<MacBackend>(home);
            }};
}

}  // namespace velmor::conformance
