#include "replay/replay_clock.h"

#include <optional>
#include <string>

#include "core/number_text.h"
#include "core/string_format.h"
#include "platform/files.h"

namespace velmor {

namespace {

constexpr std::uint64_t kMaxClockFileBytes = 64;

std::filesystem::path clockFile(const std::filesystem::path& home) {
    return home / "Library" / "Application Support" / "Velmor" / "ReplayClock";
}

std::optional<double> savedAbsoluteTime(const std::filesystem::path& home) {
    const auto text = files::readRegularFile(clockFile(home), kMaxClockFileBytes);
    if (!text) {
        return std::nullopt;
    }
    const auto seconds = readRealPrefix(*text, RealNotation::general);
    if (!seconds) {
        return std::nullopt;
    }
    return seconds->value;
}

}  // namespace

void resumeMachineClock(sim::SimPlatform& sim, const std::filesystem::path& home) {
    const auto saved = savedAbsoluteTime(home);
    const double now = sim.scheduler().absoluteTime();
    if (saved && *saved > now) {
        sim.simScheduler().passTime(*saved - now);
    }
}

void saveMachineClock(sim::SimPlatform& sim, const std::filesystem::path& home) {
    const auto file = clockFile(home);
    if (files::createFolders(file.parent_path())) {
        files::writeAtomically(file, formatString("%.17g", sim.scheduler().absoluteTime()));
    }
}

}  // namespace velmor
