#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "core/point.h"
#include "platform/platform.h"

namespace velmor {

// Takes one training drawing of the letter (stores or refuses it), logs and notifies.
void VLTrainLetterStroke(platform::Platform& platform, const std::string& letter,
                         std::int64_t remaining, std::span<const Point> trace);

// The accepted letter for the stroke, or nothing. Logs the match line.
std::optional<std::string> VLMatchAlphabetStroke(platform::Platform& platform,
                                                 std::span<const Point> trace);

// Whether the raw trace is a handwritten capital M; error, width and height are written
// to the references that are given.
bool VLIsHandwrittenM(std::span<const Point> trace, double* error, double* width, double* height);
void VLLogHandwrittenMAttempt(platform::Platform& platform, bool matched, double error,
                              double width, double height);

// Opens a letter's action text: a web address or an application bundle path.
void VLLaunchLetterApplication(platform::Platform& platform,
                               const std::optional<std::string>& actionText);

}  // namespace velmor
