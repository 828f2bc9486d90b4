#include "replay/command_line.h"

#include <iostream>
#include <string>
#include <vector>

#include "replay/replay.h"

namespace velmor {

namespace {

constexpr const char* kUsage =
    "usage: velmor\n"
    "       velmor replay SESSION [--json] [--home DIR]\n"
    "       velmor --help | --version\n"
    "Without arguments Velmor runs on your desktop: hold the right mouse button, draw and\n"
    "release. Its menu is in the panel's tray.\n"
    "replay runs the session through the whole program on the simulated platform and prints\n"
    "everything the program asked the system to do. Without --home a fresh temporary home\n"
    "folder is used and removed at the end; with it, settings, log, launch agent and sync\n"
    "backups persist there. --json prints one JSON record a line.\n";

}  // namespace

int runCommandLine(int argc, char** argv) {
    const std::vector<std::string> words(argv + std::min(argc, 1), argv + argc);
    if (words.empty() || words[0] == "--help" || words[0] == "-h" || words[0] == "help") {
        (words.empty() ? std::cerr : std::cout) << kUsage;
        return words.empty() ? 2 : 0;
    }
    if (words[0] == "--version") {
        std::cout << "velmor " << VELMOR_VERSION << '\n';
        return 0;
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
