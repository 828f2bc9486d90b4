#include "letters/letter_store.h"
#include "log/gesture_log.h"
#include "studio/letter_dialog.h"
#include "studio/path_names.h"
#include "studio/studio_texts.h"
#include "web/web_address.h"

namespace velmor {

namespace {

constexpr int kSaveUrlButton = 1000;

platform::Alert webAddressAlert(const std::string& letter,
                                const std::optional<std::string>& currentAction) {
    using namespace studio_text;
    platform::AlertTextField field;
    field.x = 0.0;
    field.y = 0.0;
    field.width = 360.0;
    field.height = 24.0;
    field.placeholder = kWebAddressPlaceholder;
    field.text = VLIsWebAction(currentAction) ? *currentAction : std::string(kUrlInitialText);

    platform::Alert alert;
    alert.message = letter + std::string(kUrlMessageSuffix);
    alert.informative = kUrlInformative;
    alert.buttons = {std::string(kUrlSaveButton), std::string(kUrlCancelButton)};
    alert.cancelButton = 1;
    alert.field = std::move(field);
    return alert;
}

}  // namespace

void VLStartLetterTraining(platform::Platform& platform, VLStudioHost& host,
                           const std::string& letter) {
    platform::UserDefaults& defaults = platform.defaults();
    defaults.setString(defaults_key::kStudioTrainingLetter, letter);
    defaults.setInteger(defaults_key::kStudioTrainingRemaining, 3);
    defaults.remove(defaults_key::kStudioTrainingPending);
    VLStudioLog(platform, "studio=" + letter + " training started count=3");
    host.studioNotice(letter + std::string(studio_text::kTrainingStartedTitleSuffix),
                      std::string(studio_text::kTrainingStartedDetail));
}

void VLChooseLetterApplication(platform::Platform& platform, VLStudioHost& host,
                               const std::string& letter) {
    using namespace studio_text;
    platform::OpenPanel panel;
    panel.title = letter + std::string(kPanelTitleSuffix);
    panel.prompt = kPanelPrompt;
    panel.canChooseFiles = true;
    panel.canChooseDirectories = false;
    panel.allowsMultipleSelection = false;
    panel.allowedFileTypes = {platform.paths().applicationFileType()};
    panel.directory = platform.paths().applicationsFolder();

    const std::optional<std::string> path = platform.ui().runOpenPanel(panel);
    if (!path || path->empty()) {
        return;
    }
    platform.defaults().setString(VLLetterActionKey(letter), *path);
    VLStudioLog(platform, "studio=" + letter + " action=" + *path);
    host.studioNotice(letter + std::string(kAppBoundTitleSuffix),
                      VLLastPathComponent(*path) + std::string(kAppBoundDetailSuffix));
}

void VLChooseLetterWebAddress(platform::Platform& platform, VLStudioHost& host,
                              const std::string& letter,
                              const std::optional<std::string>& currentAction) {
    using namespace studio_text;
    // Runs without a second activation: the letter alert has just brought the program forward.
    const platform::AlertResponse response =
        platform.ui().runModalAlert(webAddressAlert(letter, currentAction));
    if (response.button != kSaveUrlButton) {
        return;
    }
    const std::optional<std::string> url = VLValidatedWebURL(response.fieldText);
    if (!url) {
        host.studioNotice(std::string(kUrlRefusedTitle), std::string(kUrlRefusedDetail));
        return;
    }
    platform.defaults().setString(VLLetterActionKey(letter), *url);
    VLStudioLog(platform, "studio=" + letter + " action_url=" + *url);
    host.studioNotice(letter + std::string(kUrlBoundTitleSuffix),
                      *url + std::string(kUrlBoundDetailSuffix));
}

}  // namespace velmor
