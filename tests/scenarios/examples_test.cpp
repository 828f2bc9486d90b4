#include <gtest/gtest.h>

#include "scenarios/replay_harness.h"
#include "support/temp_home.h"

namespace velmor::testing {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(VELMOR_SOURCE_DIR) / "examples";

TEST(ExamplesTest, EverydayGesturesDoWhatTheCommentsSay) {
    TempHome home;
    const ReplayRun run = runReplay(kExamples / "everyday-gestures.session", home.path());
    ASSERT_TRUE(run.succeeded) << run.errors;
    const auto& lines = run.lines;
    for (std::size_t index = 1; index < lines.size(); ++index) {
        ASSERT_LE(std::stod(lines[index - 1].substr(5)), std::stod(lines[index].substr(5)))
            << "time runs forward";
    }
    const std::string command = R"("flags":1048576)";  // the Command key
    EXPECT_TRUE(
        inOrder(lines, {
                           {"status-title", {R"("title":"입력 감지 상태: 동작 중")"}},
                           {"key", {R"("key":33)", command, R"("down":true)"}},  // back
                           {"key", {R"("key":30)", command}},                    // forward
                           {"key", {R"("key":17)", command}},                    // new tab
                           {"key", {R"("key":13)", command}},                    // close tab
                           {"log", {}},                                          // down-up line
                           {"key", {R"("key":15)", command}},                    // refresh
                           {"scroll", {}},                                       // to the top
                           {"media", {R"("media":17)"}},                         // next track
                           {"notification", {R"("name":"VLShowHelp")"}},         // head shake
                           {"alert", {R"("message":"🦦 Velmor 2.1.3 · 도리도리 HELP ME!")"}},
                           {"launch-app", {R"("name":"System Preferences")"}},    // clockwise
                           {"process", {R"("path":"/usr/bin/osascript")"}},       // volume
                           {"media", {R"("media":16)"}},                          // play/pause
                           {"key", {R"("key":21)", R"("flags":1179648)"}},        // capture
                           {"mouse", {R"("type":3)", R"("marker":1447842138)"}},  // right click
                           {"mouse", {R"("type":4)", R"("x":620)", R"("y":410)"}},
                       }));
    EXPECT_EQ(countRecords(lines, {"scroll", {}}), 140u);
    EXPECT_EQ(countRecords(lines, {"alert", {}}), 1u);
    EXPECT_EQ(countRecords(lines, {"event", {R"("result":"pass")"}}), 0u);
    const auto firstLog = std::ranges::find_if(lines, [](const std::string& line) {
        return matches(line, {"log", {}});
    });
    ASSERT_NE(firstLog, lines.end());
    EXPECT_NE(firstLog->find("result=REFRESH_CMD_R"), std::string::npos) << *firstLog;
}

TEST(ExamplesTest, TrainLetterTeachesBindsAndOpensTheAddress) {
    TempHome home;
    const ReplayRun run = runReplay(kExamples / "train-letter.session", home.path());
    ASSERT_TRUE(run.succeeded) << run.errors;
    EXPECT_TRUE(inOrder(
        run.lines,
        {
            {"alert", {R"("message":"Devovov Ivirav · Z")", R"("response":1000)"}},
            {"alert", {R"("message":"Z 필체 학습 시작")"}},
            {"alert",
             {R"("message":"Z 필체 기억했어!")", R"("informative":"이제 2번만 더 그리면 돼요.")"}},
            {"alert",
             {R"("message":"Z 필체 기억했어!")", R"("informative":"이제 1번만 더 그리면 돼요.")"}},
            {"menu-title", {R"("title":"Z  ✓")"}},
            {"alert", {R"("message":"Z 필체 학습 완료!")"}},
            {"menu", {}},
            {"alert",
             {R"("message":"Z · 웹사이트(URL) 지정")",
              R"("field":"  https://www.example.org/notes  ")"}},
            {"alert", {R"("message":"Z URL 지정 완료")"}},
            {"defaults", {R"("value":"https://www.example.org/notes")"}},
            {"open-url", {R"("url":"https://www.example.org/notes")"}},
        }));
    EXPECT_EQ(countContaining(run.lines, "URL을 확인해 주세요"), 0u);
    EXPECT_EQ(countContaining(run.lines, "studio=Z training started count=3"), 1u);
    EXPECT_EQ(countContaining(run.lines, "studio=Z trained sample="), 3u);
    EXPECT_EQ(countContaining(run.lines, "studio=Z action_url=https://www.example.org/notes"), 1u);
    EXPECT_EQ(countContaining(run.lines, "candidate=Z"), 1u);
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
