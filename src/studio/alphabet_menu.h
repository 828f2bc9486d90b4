#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"
#include "platform/user_defaults.h"

namespace velmor {

inline constexpr std::string_view kConfigureLetterAction = "configureLetter:";
inline constexpr std::string_view kAlphabetItemIdentifier = "alphabet";

// The letter, followed by "  ✓" when it has trained samples.
std::string VLAlphabetItemTitle(const platform::UserDefaults& defaults, std::string_view letter);

// The parent item "문자 인식하기 · A~Z" with one item per letter, A to Z.
platform::MenuItem VLMakeAlphabetMenuItem(const platform::UserDefaults& defaults);

using MenuItemChanged = std::function<void(const platform::MenuItem&)>;

// Re-titles the letters under the first item whose title begins with "문자 인식하기"; a
// menu without one is left alone. Tells `changed` about every item whose title changed.
void VLRefreshAlphabetTitles(std::vector<platform::MenuItem>& menu,
                             const platform::UserDefaults& defaults,
                             const MenuItemChanged& changed);

}  // namespace velmor
