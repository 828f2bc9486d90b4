#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace velmor {

inline constexpr std::uintmax_t kGestureLogSizeLimit = 262144;

// "Velmor_GestureLog.txt" on the desktop
std::filesystem::path VLGestureLogPath(platform::Platform& platform);

// The current date in the log's time-stamp form, "2025-01-31 09:15:02 +0000".
std::string VLLogTimestamp(platform::Platform& platform);

// The text with its control characters written as escapes ("\n", "\x1B", "\u009B"), so that
// a value from elsewhere (a synced event, a window title) can neither start a line of its
// own in the log nor send commands to a terminal that shows it.
std::string VLEscapedForLog(std::string_view text);

// Rotates if needed, then appends "<time stamp>: <message>\n", the message escaped.
void VLStudioLog(platform::Platform& platform, std::string_view message);
// Moves a log larger than the limit to the ".previous" generation.
void VLRotateGestureLog(platform::Platform& platform);
// Appends a complete line (time stamp and line break included), escaped but for its final
// line break.
void VLAppendToGestureLog(platform::Platform& platform, std::string_view line);

}  // namespace velmor
