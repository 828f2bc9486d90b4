#pragma once

#include <cstdint>

// The macOS program's keys, flags and markers, shared by the simulated platform and a
// macOS backend so both post exactly the same events.
namespace velmor::macos {

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

}  // namespace velmor::macos
