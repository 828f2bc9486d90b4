#include "studio/training_notices.h"

#include "letters/letter_store.h"
#include "studio/studio_texts.h"

namespace velmor {

namespace {

std::string progressLetter(const Value* dictionary) {
    const Value* letter = dictionary ? dictionary->find("letter") : nullptr;
    const std::string* text = letter ? letter->asString() : nullptr;
    return text ? *text : std::string(studio_text::kPlaceholderLetter);
}

std::int64_t progressRemaining(const Value* dictionary) {
    const Value* remaining = dictionary ? dictionary->find("remaining") : nullptr;
    return remaining ? remaining->numberAsInteger().value_or(0) : 0;
}

}  // namespace

void VLStudioProgress(platform::Platform& platform, VLStudioHost& host,
                      const platform::Notification& notification) {
    using namespace studio_text;
    const Value* dictionary = notification.object && notification.object->isDictionary()
                                  ? &*notification.object
                                  : nullptr;
    const std::string letter = progressLetter(dictionary);
    const std::int64_t remaining = progressRemaining(dictionary);

    if (remaining != 0) {
        host.studioNotice(letter + std::string(kProgressTitleSuffix),
                          std::string(kProgressDetailPrefix) + std::to_string(remaining) +
                              std::string(kProgressDetailSuffix));
        return;
    }
    host.refreshAlphabetMenu();
    const std::optional<std::string> action = VLLetterAction(platform, letter);
    const bool hasAction = action && !action->empty();
    host.studioNotice(
        letter + std::string(kCompletedTitleSuffix),
        std::string(hasAction ? kCompletedWithActionDetail : kCompletedWithoutActionDetail));
}

void VLStudioRejected(VLStudioHost& host, const platform::Notification& notification) {
    const std::string* letter = notification.object ? notification.object->asString() : nullptr;
    host.studioNotice((letter ? *letter : std::string(studio_text::kPlaceholderLetter)) +
                          std::string(studio_text::kRejectedTitleSuffix),
                      std::string(studio_text::kRejectedDetail));
}

}  // namespace velmor
