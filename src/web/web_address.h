#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmor {

// The sample address shown in the empty URL field of the letter dialog.
inline constexpr std::string_view kWebAddressPlaceholder = "https://www.example.com/";

// Whether the text begins with "http://" or "https://" in any letter case.
bool VLIsWebAction(const std::optional<std::string>& text);

// The absolute string of the URL when the trimmed text is an http or https address with a
// host and without user or password; nothing otherwise.
std::optional<std::string> VLValidatedWebURL(const std::optional<std::string>& text);

}  // namespace velmor
