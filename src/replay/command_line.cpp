#include "replay/command_line.h"

#include <iostream>
#include <string>
#include <vector>

#include "replay/replay.h"

namespace velmor {

namespace {

constexpr const char* kUsage =
    "usage: velmor replay SESSION [--json] [--home DIR]\n"
    "  Runs the session through the whole program on the simulated platform and prints\n"
    "  everything the program asked the system to do. Without --home a fresh temporary\n"
    "  home folder is used and removed at the end; with it, settings, log, launch agent\n"
    "  and sync backups persist there.\n";

}  // namespace

int runCommandLine(int argc, char** argv) {
    const std::vector<std::string> words(argv + std::min(argc, 1), argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        (words.empty() ? std::cerr : std::cout) << kUsage;
        return words.empty() ? 2 : 0;
    }
    if (words[0] != "replay") {
        std::cerr << "velmor: unknown command \"" << words[0] << "\"\n" << kUsage;
        return 2;
    }
    std::string error;
    const auto options =
        parseReplayArguments(std::span<const std::string>(words).subspan(1), error);
    if (!options) {
        std::cerr << "velmor replay: " << error << '\n' << kUsage;
        return 2;
    }
    return runReplay(*options, std::cout, std::cerr);
}

}  // namespace velmor
