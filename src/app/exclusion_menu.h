#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui.h"

namespace velmor {

namespace exclusion_text {
inline constexpr std::string_view kParentTitle = "제스처 끄는 앱";
inline constexpr std::string_view kExcludeCurrentTitle = "현재 앱에서 끄기";
inline constexpr std::string_view kExcludeCurrentFormat = "현재 앱에서 끄기: %@";
inline constexpr std::string_view kAddedNoticeFormat = "%@에서 제스처를 껐어요";
inline constexpr std::string_view kAddedNoticeDetail =
    "이 앱에서는 오른쪽 버튼이 원래대로 동작해요. 메뉴에서 다시 켤 수 있어요.";
}  // namespace exclusion_text

namespace exclusion_action {
inline constexpr std::string_view kExclude = "excludeApplication:";
inline constexpr std::string_view kInclude = "includeApplication:";
}  // namespace exclusion_action

inline constexpr std::string_view kExclusionItemIdentifier = "excluded-applications";

// An application as the menu names it: by its name, or its id when the name is unknown.
struct NamedApplication {
    std::string id;
    std::string name;

    friend bool operator==(const NamedApplication&, const NamedApplication&) = default;
};

// The submenu: first the frontmost application to exclude (disabled when there is none, or
// when it is excluded already), then every excluded application, checked, in the order
// they were added. Each item names its application id as the represented object.
platform::MenuItem VLMakeExclusionMenuItem(const std::optional<NamedApplication>& frontmost,
                                           const std::vector<NamedApplication>& excluded);

// "%@" of a menu or notice text filled with one application's name.
std::string VLExclusionText(std::string_view format, std::string_view name);

}  // namespace velmor
