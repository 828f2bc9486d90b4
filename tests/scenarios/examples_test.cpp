#include <gtest/gtest.h>

#include "scenarios/replay_harness.h"
#include "support/temp_home.h"

namespace velmor::testing {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(VELMOR_SOURCE_DIR) / "examples";

// What the unit tests cannot see: the whole program, from the status item to the posted
// events, on one clock. Which stroke does what is the dispatch tests' business.
TEST(ExamplesTest, EverydayGesturesRunThroughTheWholeProgram) {
    TempHome home;
    const ReplayRun run = runReplay(kExamples / "everyday-gestures.session", home.path());
    ASSERT_TRUE(run.succeeded) << run.errors;
    const auto& lines = run.lines;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        ASSERT_LE(std::stod(lines[index - 1].substr(5)), std::stod(lines[index].substr(5)))
            << "time runs forward";
    }
    EXPECT_TRUE(
        inOrder(lines, {{"status-title", {R"("title":"입력 감지 상태: 동작 중")"}},
                        {"notification", {R"("name":"VLShowHelp")"}},
                        {"alert", {R"("message":"🦦 Velmor 2.1.3 · 도리도리 HELP ME!")"}},
                        {"mouse", {R"("type":3)", R"("marker":1447842138)"}}}));
    EXPECT_EQ(countRecords(lines, {"event", {R"("result":"pass")"}}), 0u);
}

TEST(ExamplesTest, TrainLetterTeachesBindsAndOpensTheAddress) {
    TempHome home;
    const ReplayRun run = runReplay(kExamples / "train-letter.session", home.path());
    ASSERT_TRUE(run.succeeded) << run.errors;
    EXPECT_TRUE(inOrder(run.lines, {
                                       {"alert", {R"("message":"Z 필체 학습 시작")"}},
                                       {"alert", {R"("message":"Z 필체 학습 완료!")"}},
                                       {"alert", {R"("message":"Z URL 지정 완료")"}},
                                       {"open-url", {R"("url":"https://www.example.org/notes")"}},
                                   }));
    EXPECT_EQ(countContaining(run.lines, "studio=Z trained sample="), 3u);
}

TEST(ExamplesTest, TwoMachinesShareALetterThroughTheCloudFolder) {
    // The sessions find the cloud folder beside the machine's home: "~/../Cloud Drive".
    TempHome example;
    const auto machineOne = example.path() / "machine-1";
    const auto machineTwo = example.path() / "machine-2";
    const auto sync = kExamples / "sync";
    const auto play = [&](const char* session, const std::filesystem::path& machine) {
        const ReplayRun run = runReplay(sync / session, machine);
        EXPECT_TRUE(run.succeeded) << session << ": " << run.errors;
        return run.lines;
    };

    EXPECT_TRUE(inOrder(play("1-machine-one-starts-a-share.session", machineOne),
                        {{"log", {}}, {"alert", {R"("message":"양방향 공유 시작!")"}}}));
    EXPECT_TRUE(inOrder(play("2-machine-two-joins.session", machineTwo),
                        {{"alert", {R"("message":"양방향 공유 참여 완료")"}},
                         {"defaults", {R"("value":"/Applications/Calculator.app")"}}}));
    const auto retrained = play("3-machine-two-retrains.session", machineTwo);
    EXPECT_EQ(std::ranges::count_if(retrained,
                                    [](const auto& line) {
                                        return line.find("velmor-sync PUBLISHED B.samples") !=
                                               std::string::npos;
                                    }),
              1);
    const auto pickedUp = play("4-machine-one-picks-it-up.session", machineOne);
    EXPECT_TRUE(std::ranges::any_of(pickedUp, [](const auto& line) {
        return line.find("velmor-sync merged remote changes; local backup saved") !=
               std::string::npos;
    }));
    const auto backups = machineOne / "Library" / "Application Support" / "Velmor" / "SyncBackups";
    EXPECT_FALSE(std::filesystem::is_empty(backups));
    EXPECT_TRUE(std::filesystem::is_directory(example.path() / "Cloud Drive" / "VelmorSync-v2"));
}

}  // namespace
}  // namespace velmor::testing
