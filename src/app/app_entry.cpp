#include "app/app_entry.h"

#include "log/gesture_log.h"
#include "platform/file_user_defaults.h"

namespace velmor {

namespace {

// A settings file that could not be read was moved aside and the program started with
// empty settings: the user should find out where the old file went.
void logUnreadableSettings(platform::Platform& platform) {
    const auto* file = dynamic_cast<const platform::FileUserDefaults*>(&platform.defaults());
    if (!file) {
        return;
    }
    if (const auto movedTo = file->movedAsideTo()) {
        VLStudioLog(platform, "settings=unreadable file=" + file->file().string() +
                                  " moved_aside=" + movedTo->string() + " started=empty");
    } else if (file->keepsUnreadableFile()) {
        VLStudioLog(platform, "settings=unreadable file=" + file->file().string() +
                                  " kept=unchanged saving=off");
    }
}

}  // namespace

std::unique_ptr<VLAppDelegate> VLRunApplicationEntry(platform::Platform& platform) {
    // A status-bar program: no dock icon, no menu bar of its own.
    platform.ui().setActivationPolicy(platform::ActivationPolicy::accessory);
    auto delegate = std::make_unique<VLAppDelegate>(platform);
    logUnreadableSettings(platform);
    delegate->applicationDidFinishLaunching();
    return delegate;
}

}  // namespace velmor
