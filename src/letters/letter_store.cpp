#include "letters/letter_store.h"

namespace velmor {

namespace {

constexpr std::string_view kTemplatesKeyPrefix = "VLStudioLetterTemplates_";
constexpr std::string_view kActionKeyPrefix = "VLStudioLetterApplication_";
constexpr std::size_t kMinimumSampleCount = 3;

std::size_t entryCount(const std::optional<Value>& array) {
    if (!array) {
        return 0;
    }
    const Value::Array* items = array->asArray();
    return items ? items->size() : 0;
}

std::array<std::string, 26> makeAlphabet() {
    std::array<std::string, 26> letters;
    for (std::size_t index = 0; index < letters.size(); ++index) {
        letters[index] = std::string(1, static_cast<char>('A' + index));
    }
    return letters;
}

}  // namespace

const std::array<std::string, 26>& alphabetLetters() {
    static const std::array<std::string, 26> letters = makeAlphabet();
    return letters;
}

std::string VLLetterTemplatesKey(std::string_view letter) {
    std::string key(kTemplatesKeyPrefix);
    key.append(letter);
    return key;
}

std::string VLLetterActionKey(std::string_view letter) {
    std::string key(kActionKeyPrefix);
    key.append(letter);
    return key;
}

std::optional<Value> VLLetterSamples(const platform::UserDefaults& defaults,
                                     std::string_view letter) {
    std::optional<Value> samples = defaults.array(VLLetterTemplatesKey(letter));
    if (entryCount(samples) < kMinimumSampleCount && letter == "M") {
        samples = defaults.array(defaults_key::kStudioMTemplates);
    }
    if (entryCount(samples) < kMinimumSampleCount) {
        return std::nullopt;
    }
    return samples;
}

std::optional<std::string> VLLetterAction(platform::Platform& platform, std::string_view letter) {
    std::optional<std::string> action = platform.defaults().string(VLLetterActionKey(letter));
    if (!action || action->empty()) {
        if (letter == "M") {
            return platform.workspace().wellKnownApplicationPath(
                platform::WellKnownApplication::music);
        }
        if (letter == "A") {
            return std::string(kLetterADefaultWebAddress);
        }
    }
    return action;
}

}  // namespace velmor
