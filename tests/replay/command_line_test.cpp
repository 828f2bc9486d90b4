#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "replay/command_line.h"

namespace velmor {
namespace {

int run(std::vector<std::string> words) {
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    return runCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, HelpTellsBothWaysToRunAndVersionTheVersion) {
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(run({"velmor", "--version"}), 0);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "velmor 2.1.3\n");

    ::testing::internal::CaptureStdout();
    EXPECT_EQ(run({"velmor", "--help"}), 0);
    const std::string help = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(help.find("usage: velmor\n"), std::string::npos) << help;
    EXPECT_NE(help.find("velmor replay SESSION"), std::string::npos) << help;
    EXPECT_NE(help.find("runs on your desktop"), std::string::npos) << help;

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(run({"velmor", "--frobnicate"}), 2);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("unknown command \"--frobnicate\""),
              std::string::npos);
}

}  // namespace
}  // namespace velmor
