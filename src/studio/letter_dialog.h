#pragma once

#include <optional>
#include <string>

#include "platform/platform.h"
#include "studio/studio_host.h"

namespace velmor {

// The letter's alert: train it, bind an application, or bind a web address. A letter that
// is not exactly one character is ignored.
void VLConfigureLetter(platform::Platform& platform, VLStudioHost& host,
                       const std::optional<std::string>& letter);

// How the alert names an action: "미설정", the web address itself, or the bundle's name.
std::string VLActionLabel(const std::optional<std::string>& actionText);

// The three roads of the letter alert.
void VLStartLetterTraining(platform::Platform& platform, VLStudioHost& host,
                           const std::string& letter);
void VLChooseLetterApplication(platform::Platform& platform, VLStudioHost& host,
                               const std::string& letter);
void VLChooseLetterWebAddress(platform::Platform& platform, VLStudioHost& host,
                              const std::string& letter,
                              const std::optional<std::string>& currentAction);

}  // namespace velmor
