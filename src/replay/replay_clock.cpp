#include "replay/replay_clock.h"

#include <charconv>
#include <optional>
#include <string>

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
    double seconds = 0.0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), seconds);
    if (error != std::errc()) {
        return std::nullopt;
    }
    return seconds;
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
