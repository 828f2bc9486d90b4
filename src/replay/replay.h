#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <span>
#include <string>

#include "replay/transcript.h"

namespace velmor {

struct ReplayOptions {
    std::filesystem::path session;
    TranscriptFormat format = TranscriptFormat::text;
    // Settings, log, launch agent and backups persist here; nothing: a fresh temporary home.
    std::optional<std::filesystem::path> home;
};

// Reads "SESSION [--json] [--home DIR]"; nothing when the words do not fit, with the reason.
std::optional<ReplayOptions> parseReplayArguments(std::span<const std::string> words,
                                                  std::string& error);

// `velmor replay`: runs the session through the whole program on the simulated platform and
// writes the transcript to out, diagnostics to err. 0 when the session ran to its end.
int runReplay(const ReplayOptions& options, std::ostream& out, std::ostream& err);

}  // namespace velmor
