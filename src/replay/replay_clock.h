#pragma once

#include <filesystem>

#include "platform/sim/sim_platform.h"

namespace velmor {

// A machine replayed in several runs with one home folder keeps one clock: each run starts
// where the last one ended, so event time stamps and log lines keep their order across runs.
void resumeMachineClock(sim::SimPlatform& sim, const std::filesystem::path& home);
void saveMachineClock(sim::SimPlatform& sim, const std::filesystem::path& home);

}  // namespace velmor
