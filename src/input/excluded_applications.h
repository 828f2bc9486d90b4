#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/user_defaults.h"

namespace velmor {

// Applications that need the right button for themselves: in them every hold is passed on
// untouched. Local to this machine; sync never shares it.
inline constexpr const char* kExcludedApplicationsKey = "VLExcludedApplications";

// The excluded application ids in the order they were added. A value that is not an array
// reads as an empty list; entries that are not strings are skipped.
std::vector<std::string> VLExcludedApplications(const platform::UserDefaults& defaults);

bool VLIsExcludedApplication(const platform::UserDefaults& defaults, std::string_view id);

// Both keep entries they do not understand, so a newer or hand-edited list loses nothing;
// false when nothing changed (already there, or not there).
bool VLAddExcludedApplication(platform::UserDefaults& defaults, const std::string& id);
bool VLRemoveExcludedApplication(platform::UserDefaults& defaults, std::string_view id);

}  // namespace velmor
