#include "replay/replay.h"

#include <system_error>
#include <utility>

#include "core/uuid.h"
#include "platform/files.h"
#include "platform/resource_folder.h"
#include "platform/sim/sim_platform.h"
#include "replay/replay_clock.h"
#include "replay/session_runner.h"
#include "replay/session_script.h"

namespace velmor {

namespace {

constexpr std::uint64_t kMaxSessionBytes = 16u << 20;

// The home folder of the simulated machine, with the Desktop that the log lives on.
std::optional<std::filesystem::path> prepareHome(const ReplayOptions& options) {
    std::error_code error;
    const std::filesystem::path home = options.home ? *options.home
                                                    : std::filesystem::temp_directory_path(error) /
                                                          ("velmor-replay-" + makeUuidString());
    if (error || !files::createFolders(home / "Desktop")) {
        return std::nullopt;
    }
    const auto absolute = std::filesystem::absolute(home, error);
    return error ? home : absolute;
}

// Removes a home made for this run alone when the run ends, however it ends; a home the
// user named stays.
class TemporaryHomeRemoval {
public:
    explicit TemporaryHomeRemoval(std::optional<std::filesystem::path> home)
        : home_(std::move(home)) {}
    ~TemporaryHomeRemoval() {
        if (home_) {
            std::error_code ignored;
            std::filesystem::remove_all(*home_, ignored);
        }
    }
    TemporaryHomeRemoval(const TemporaryHomeRemoval&) = delete;
    TemporaryHomeRemoval& operator=(const TemporaryHomeRemoval&) = delete;

private:
    std::optional<std::filesystem::path> home_;
};

}  // namespace

std::optional<ReplayOptions> parseReplayArguments(std::span<const std::string> words,
                                                  std::string& error) {
    ReplayOptions options;
    bool haveSession = false;
    for (std::size_t index = 0; index < words.size(); ++index) {
        const std::string& word = words[index];
        if (word == "--json") {
            options.format = TranscriptFormat::json;
        } else if (word == "--home") {
            if (index + 1 == words.size()) {
                error = "--home needs a folder";
                return std::nullopt;
            }
            options.home = words[++index];
        } else if (word.starts_with("--") || haveSession) {
            error = "unexpected \"" + word + "\"";
            return std::nullopt;
        } else {
            options.session = word;
            haveSession = true;
        }
    }
    if (!haveSession) {
        error = "a session file is needed";
        return std::nullopt;
    }
    return options;
}

int runReplay(const ReplayOptions& options, std::ostream& out, std::ostream& err) {
    const std::string where = options.session.string();
    const auto text = files::readRegularFile(options.session, kMaxSessionBytes);
    if (!text) {
        err << "velmor replay: cannot read the session file " << where << '\n';
        return 1;
    }
    const SessionScript script = parseSession(*text);
    if (script.error) {
        err << where << ':' << script.error->line << ": " << script.error->message << '\n'
            << "velmor replay: nothing was run\n";
        return 1;
    }
    const auto home = prepareHome(options);
    if (!home) {
        err << "velmor replay: cannot make the home folder\n";
        return 1;
    }
    const TemporaryHomeRemoval removal(options.home ? std::nullopt : home);

    sim::SimPlatform sim(sim::SimOptions{*home, false, platform::findResourceFolder()});
    resumeMachineClock(sim, *home);
    Transcript transcript(out, options.format);
    transcript.write(sim.elapsed(), "home", {{"path", Value(home->string())}});
    SessionRunner runner(sim, transcript);
    for (const SessionCommand& command : script.commands) {
        if (runner.programQuit()) {
            err << where << ':' << command.line
                << ": the program has quit; the rest of the session is not run\n";
            break;
        }
        if (auto failure = runner.run(command)) {
            runner.finish();
            saveMachineClock(sim, *home);
            err << where << ':' << command.line << ": " << *failure << '\n';
            return 1;
        }
    }
    runner.finish();
    saveMachineClock(sim, *home);
    return 0;
}

}  // namespace velmor
