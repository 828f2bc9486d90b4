#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/value.h"
#include "platform/platform.h"

namespace velmor {

inline constexpr std::string_view kLetterADefaultWebAddress = "https://www.wikipedia.org/";

namespace defaults_key {
inline constexpr std::string_view kStudioMTemplates = "VLStudioMTemplates";
inline constexpr std::string_view kStudioTrainingLetter = "VLStudioTrainingLetter";
inline constexpr std::string_view kStudioTrainingRemaining = "VLStudioTrainingRemaining";
inline constexpr std::string_view kStudioTrainingPending = "VLStudioTrainingPending";
}  // namespace defaults_key

// "A" to "Z" in order.
const std::array<std::string, 26>& alphabetLetters();

std::string VLLetterTemplatesKey(std::string_view letter);
std::string VLLetterActionKey(std::string_view letter);

// The letter's samples (an array of at least 3), with M's fallback; nothing otherwise.
std::optional<Value> VLLetterSamples(const platform::UserDefaults& defaults,
                                     std::string_view letter);
// The stored action text, or the built-in default of A and M (the music application) when
// it is empty or missing.
std::optional<std::string> VLLetterAction(platform::Platform& platform, std::string_view letter);

}  // namespace velmor
