#include "studio/letter_dialog.h"

#include "core/value.h"
#include "letters/letter_store.h"
#include "studio/path_names.h"
#include "studio/studio_texts.h"
#include "web/web_address.h"

namespace velmor {

namespace {

// The platform answers the buttons in the order they were added.
enum LetterAlertButton { kTrain = 1000, kChooseApp = 1001, kWebAddress = 1002 };

platform::Alert letterAlert(const std::string& letter, bool hasSamples,
                            const std::string& actionLabel) {
    using namespace studio_text;
    platform::Alert alert;
    alert.message = std::string(kLetterMessagePrefix) + letter;
    alert.informative = std::string(kLetterInformativeSamples) +
                        std::string(hasSamples ? kRegistered : kNotRegistered) +
                        std::string(kLetterInformativeAction) + actionLabel +
                        std::string(kLetterInformativeEnd);
    alert.buttons = {std::string(kTrainButton), std::string(kChooseAppButton),
                     std::string(kWebAddressButton), std::string(kCloseButton)};
    alert.cancelButton = 3;  // "닫기"
    return alert;
}

}  // namespace

std::string VLActionLabel(const std::optional<std::string>& actionText) {
    if (!actionText || actionText->empty()) {
        return std::string(studio_text::kNoAction);
    }
    if (VLIsWebAction(actionText)) {
        return *actionText;
    }
    return VLDeletingPathExtension(VLLastPathComponent(*actionText));
}

void VLConfigureLetter(platform::Platform& platform, VLStudioHost& host,
                       const std::optional<std::string>& letter) {
    if (!letter || utf16Length(*letter) != 1) {
        return;
    }
    const bool hasSamples = VLLetterSamples(platform.defaults(), *letter).has_value();
    const std::optional<std::string> action = VLLetterAction(platform, *letter);

    platform.ui().activateIgnoringOtherApps();
    const int answer =
        platform.ui().runModalAlert(letterAlert(*letter, hasSamples, VLActionLabel(action))).button;
    switch (answer) {
        case kTrain:
            VLStartLetterTraining(platform, host, *letter);
            break;
        case kChooseApp:
            VLChooseLetterApplication(platform, host, *letter);
            break;
        case kWebAddress:
            VLChooseLetterWebAddress(platform, host, *letter, action);
            break;
        default:  // "닫기"
            break;
    }
}

}  // namespace velmor
