#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "support/temp_home.h"

namespace velmor::testing {

struct ReplayRun {
    bool succeeded = false;          // exit status 0
    std::vector<std::string> lines;  // one JSON record a line
    std::string errors;              // standard error
};

// Runs the built program: `velmor replay --json SESSION [--home HOME]`, after the prefix
// (a command that runs it as another user, say).
inline ReplayRun runReplay(const std::filesystem::path& session,
                           const std::filesystem::path& home = {}, const std::string& prefix = {}) {
    const TempHome scratch;  // for the program's output
    const auto quoted = [](const std::filesystem::path& path) { return "'" + path.string() + "'"; };
    const std::string command = prefix + quoted(VELMOR_BINARY) + " replay --json " +
                                quoted(session) + (home.empty() ? "" : " --home " + quoted(home)) +
                                " >" + quoted(scratch.path() / "out") + " 2>" +
                                quoted(scratch.path() / "err");
    ReplayRun run;
    run.succeeded = std::system(command.c_str()) == 0;
    std::ifstream output(scratch.path() / "out");
    for (std::string line; std::getline(output, line);) {
        EXPECT_TRUE(line.starts_with(R"({"t":)") && line.ends_with("}")) << line;
        run.lines.push_back(line);
    }
    std::ostringstream errors;
    errors << std::ifstream(scratch.path() / "err").rdbuf();
    run.errors = errors.str();
    return run;
}

// A record of the kind whose JSON line holds each text, e.g. R"("key":33,)".
struct Expect {
    std::string kind;
    std::vector<std::string> texts;
};

inline bool matches(std::string_view line, const Expect& expect) {
    return line.find(R"("kind":")" + expect.kind + "\"") != std::string_view::npos &&
           std::ranges::all_of(expect.texts, [&](const auto& text) {
               return line.find(text) != std::string_view::npos;
           });
}

// Whether the expectations match lines in this order (other lines may come between).
inline ::testing::AssertionResult inOrder(const std::vector<std::string>& lines,
                                          const std::vector<Expect>& expects) {
    auto from = lines.begin();
    for (std::size_t step = 0; step < expects.size(); ++step, ++from) {
        from = std::find_if(from, lines.end(),
                            [&](const auto& line) { return matches(line, expects[step]); });
        if (from == lines.end()) {
            return ::testing::AssertionFailure()
                   << "expectation " << step << " (" << expects[step].kind << ") not found";
        }
    }
    return ::testing::AssertionSuccess();
}

inline std::size_t countContaining(const std::vector<std::string>& lines, std::string_view text) {
    return static_cast<std::size_t>(std::ranges::count_if(
        lines, [&](const auto& line) { return line.find(text) != std::string::npos; }));
}

}  // namespace velmor::testing
