// Programs the actions run: any program to its end, the sound server's client for the volume
// (a fake of the tests' own on PATH) and the area-capture tool, left running.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "platform/x11/child_processes.h"
#include "platform/x11/x11_system_actions.h"
#include "x11/temp_folder.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

namespace fs = std::filesystem;

// A folder of fake programs put in front of PATH, or in place of it, while the test runs.
class FakeProgramsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(folder_.empty());
        const char* path = getenv("PATH");
        savedPath_ = path != nullptr ? path : "";
        setenv("PATH", (folder_.string() + ":" + savedPath_).c_str(), 1);
    }

    void TearDown() override { setenv("PATH", savedPath_.c_str(), 1); }

    void writeProgram(const std::string& name, const std::string& body) {
        const fs::path program = folder_ / name;
        std::ofstream(program) << "#!/bin/sh\n" << body;
        chmod(program.c_str(), 0755);
    }

    TempFolder temp_;
    const fs::path folder_ = temp_.path();
    std::string savedPath_;
    ChildProcesses processes_;
};

using ChildProcessesTest = FakeProgramsTest;

TEST_F(ChildProcessesTest, RunsByPathOrNameAndReadsBothPipesToTheEnd) {
    const platform::ProcessOutcome piped = processes_.runAndWait(
        {"sh", {"-c", "printf 'out\\n'; printf err >&2; exit 3"}, true, true});
    EXPECT_TRUE(piped.launched);
    EXPECT_EQ(piped.exitStatus, 3);
    EXPECT_EQ(piped.standardOutput, "out\n");
    EXPECT_EQ(piped.standardError, "err");
    EXPECT_FALSE(piped.failureReason);

    // More than a pipe holds, NUL bytes included, while the other pipe is open too.
    const platform::ProcessOutcome large =
        processes_.runAndWait({"/usr/bin/head", {"-c", "1000000", "/dev/zero"}, true, true});
    EXPECT_EQ(large.exitStatus, 0);
    EXPECT_EQ(large.standardOutput, std::string(1000000, '\0'));

    EXPECT_EQ(processes_.runAndWait({"sh", {"-c", "kill -TERM $$"}}).exitStatus, 128 + 15);

    for (const char* missing : {"/nonexistent/velmor-missing", "velmor-missing-program"}) {
        const platform::ProcessOutcome outcome = processes_.runAndWait({missing, {}});
        EXPECT_FALSE(outcome.launched) << missing;
        EXPECT_TRUE(outcome.failureReason && !outcome.failureReason->empty()) << missing;
    }
}

// Answers with the volume in the file "volume" beside it; without that file the server is
// away. Every call is one line of "calls".
constexpr const char* kFakePactl = R"(cd "${0%/*}"
echo "$*" >> calls
if [ "$1" = get-sink-volume ]; then
  [ -f volume ] || { echo 'Connection refused' >&2; exit 1; }
  echo "Volume: front-left: 1 / $(cat volume)% / 0 dB,   front-right: 1 / 1% / 0 dB"
fi
)";

class VolumeTest : public FakeProgramsTest {
protected:
    // The calls after the volume read that one step from `percent` makes.
    std::string stepFrom(std::optional<int> percent, bool louder) {
        writeProgram("pactl", kFakePactl);
        fs::remove(folder_ / "calls");
        fs::remove(folder_ / "volume");
        if (percent) {
            std::ofstream(folder_ / "volume") << *percent;
        }
        actions_.stepOutputVolume(louder);
        const std::string calls = readFile(folder_ / "calls");
        const std::string read = "get-sink-volume @DEFAULT_SINK@\n";
        EXPECT_EQ(calls.substr(0, read.size()), read);
        return calls.substr(std::min(read.size(), calls.size()));
    }

    X11SystemActions actions_{"", processes_, [] { return std::nullopt; }};
};

TEST_F(VolumeTest, StepsInSixteenthsWithinTheFullRangeAndUnmutesWhenLouder) {
    const std::string set = "set-sink-volume @DEFAULT_SINK@ ";
    const std::string unmute = "set-sink-mute @DEFAULT_SINK@ 0\n";
    EXPECT_EQ(stepFrom(50, true), set + "56%\n" + unmute);
    EXPECT_EQ(stepFrom(50, false), set + "44%\n");
    // Off the steps: to the next step in the direction asked, never back.
    EXPECT_EQ(stepFrom(40, false), set + "38%\n");
    EXPECT_EQ(stepFrom(97, true), set + "100%\n" + unmute);
    EXPECT_EQ(stepFrom(100, true), unmute);
    EXPECT_EQ(stepFrom(150, true), unmute);
    EXPECT_EQ(stepFrom(150, false), set + "100%\n");
    EXPECT_EQ(stepFrom(3, false), set + "0%\n");
    EXPECT_EQ(stepFrom(0, false), "");
}

TEST_F(VolumeTest, AStepThatCannotBeMadeIsLost) {
    EXPECT_EQ(stepFrom(std::nullopt, true), "");
    setenv("PATH", (folder_ / "empty").c_str(), 1);
    actions_.stepOutputVolume(true);  // no client at all: nothing happens, nothing breaks
}

using AreaCaptureTest = FakeProgramsTest;

TEST_F(AreaCaptureTest, StartsTheConfiguredCommandElseAToolOnPath) {
    const fs::path arguments = folder_ / "arguments";
    const std::string recorder =
        "printf '%s|' \"$DISPLAY\" \"$@\" > '" + arguments.string() + "'\n";
    writeProgram("capture tool", recorder);
    writeProgram("scrot", recorder);

    std::optional<std::string> configured =
        "'" + (folder_ / "capture tool").string() + "' --area 'two words'";
    X11SystemActions actions(":7", processes_, [&] { return configured; });
    actions.pressShortcut(platform::Shortcut::areaScreenshot);
    EXPECT_TRUE(waitUntil([&] { return readFile(arguments) == ":7|--area|two words|"; }))
        << readFile(arguments);

    // Only the fakes on PATH: the last tool of the list is the one found.
    fs::remove(arguments);
    configured.reset();
    setenv("PATH", folder_.c_str(), 1);
    actions.pressShortcut(platform::Shortcut::areaScreenshot);
    EXPECT_TRUE(waitUntil([&] { return readFile(arguments) == ":7|-s|"; })) << readFile(arguments);
}

}  // namespace
}  // namespace velmor::x11::testing
