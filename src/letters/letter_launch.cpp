#include <string>

#include "letters/letter_recognition.h"
#include "letters/share_folder_setting.h"
#include "log/gesture_log.h"
#include "platform/path_containment.h"
#include "web/web_address.h"

namespace velmor {

namespace {

constexpr unsigned kActivateAllWindowsIgnoringOthers =
    platform::kActivateAllWindows | platform::kActivateIgnoringOtherApps;

// Whoever can write the share folder could also plant an application bundle there and bind
// a letter to it through an event; nothing the share folder delivers is ever run.
bool liesInShareFolder(platform::Platform& platform, const std::string& path) {
    const std::optional<std::string> share =
        platform.defaults().string(defaults_key::kVelmorSyncFolder);
    return share && !share->empty() && files::liesWithinFolder(path, *share);
}

void openWebAddress(platform::Platform& platform, const std::string& url) {
    const bool accepted = platform.workspace().openURL(url);
    VLStudioLog(platform,
                "studio=URL_OPEN accepted=" + std::string(accepted ? "YES" : "NO") + " url=" + url);
}

void openApplication(platform::Platform& platform, const std::string& path) {
    platform::Workspace& workspace = platform.workspace();
    const platform::ItemKind item = workspace.itemAtPath(path);
    if (item == platform::ItemKind::none) {
        VLStudioLog(platform, "studio=ALPHABET error=missing_app path=" + path);
        return;
    }
    // Action texts also arrive from other machines through the shared sync folder, so only
    // an application may be opened: opening any other file could run a planted script.
    if (!workspace.isApplication(path) || liesInShareFolder(platform, path)) {
        VLStudioLog(platform, "studio=ALPHABET error=not_app path=" + path);
        return;
    }
    workspace.openFile(path);
    const std::optional<std::string> applicationId = workspace.applicationIdAtPath(path);
    if (!applicationId || applicationId->empty()) {
        return;
    }
    for (const platform::RunningApplication& running :
         workspace.runningApplications(*applicationId)) {
        workspace.unhide(running);
        workspace.activate(running, kActivateAllWindowsIgnoringOthers);
    }
}

}  // namespace

void VLLaunchLetterApplication(platform::Platform& platform,
                               const std::optional<std::string>& actionText) {
    if (VLIsWebAction(actionText)) {
        std::optional<std::string> url = VLValidatedWebURL(actionText);
        if (!url) {
            VLStudioLog(platform, "studio=URL_OPEN rejected invalid_url=" + *actionText);
            return;
        }
        platform.scheduler().asyncMain(
            [&platform, url = std::move(*url)] { openWebAddress(platform, url); });
        return;
    }
    if (actionText && !actionText->empty()) {
        platform.scheduler().asyncMain(
            [&platform, path = *actionText] { openApplication(platform, path); });
    }
}

}  // namespace velmor
