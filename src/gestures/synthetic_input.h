#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/point.h"
#include "platform/platform.h"

namespace velmor {

inline constexpr std::int64_t kSyntheticEventMarker = 0x564C515A;  // "VLQZ"

namespace keys {
inline constexpr std::uint16_t kQ = 12;
inline constexpr std::uint16_t kW = 13;
inline constexpr std::uint16_t kR = 15;
inline constexpr std::uint16_t kT = 17;
inline constexpr std::uint16_t k4 = 21;
inline constexpr std::uint16_t kRightBracket = 30;
inline constexpr std::uint16_t kLeftBracket = 33;
inline constexpr std::uint16_t kM = 46;
inline constexpr std::uint64_t kCommand = 0x100000;
inline constexpr std::uint64_t kCommandShift = 0x120000;
}  // namespace keys

namespace media {
inline constexpr int kPlayPause = 16;
inline constexpr int kNext = 17;
inline constexpr int kPrevious = 18;
}  // namespace media

// Key down then key up, both with exactly these flags.
void VLPostKey(platform::Platform& platform, std::uint16_t keyCode, std::uint64_t flags);
// A media-key press and release as system-defined events.
void VLPostMediaKey(platform::Platform& platform, int mediaKeyType);
// A right click at the point, marked so that the event tap lets it pass.
void VLPostRightClick(platform::Platform& platform, Point point);
// 140 scroll events on the user-initiated queue; returns at once.
void VLScrollToEdge(platform::Platform& platform, bool toTop);
// Presses F13 through the scripting interpreter on the user-initiated queue.
void VLShowDesktopViaAppleScript(platform::Platform& platform);

// The show-desktop log detail: trimmed, with every remaining line break shown as " | ".
std::string showDesktopDetail(std::string_view standardError);

}  // namespace velmor
