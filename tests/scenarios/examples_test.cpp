#include <gtest/gtest.h>

#include "scenarios/replay_harness.h"
#include "support/temp_home.h"

namespace velmor::testing {
namespace {

// What the unit tests cannot see: the whole program, from the status item to the posted
// events, on one clock, for every example session. Which stroke does what is the dispatch
// tests' business. The sync sessions find the cloud folder beside the machine's home:
// "~/../Cloud Drive".
TEST(ExamplesTest, EverySessionRunsThroughTheWholeProgram) {
    const struct {
        const char* session;
        const char* home;
        std::vector<Expect> expects;
        std::size_t passed;  // events the program let through
    } steps[] = {
        {"everyday-gestures.session",
         "everyday",
         {{"status-title", {R"("title":"입력 감지 상태: 동작 중")"}},
          {"notification", {R"("name":"VLShowHelp")"}},
          {"alert", {R"("message":"🦦 Velmor 2.1.3 · 도리도리 HELP ME!")"}},
          {"mouse", {R"("type":3,)", R"("marker":1447842138)"}}},
         0},
        {"train-letter.session",
         "train",
         {{"alert", {R"("message":"Z 필체 학습 시작")"}},
          {"log", {"studio=Z trained sample=1"}},
          {"log", {"studio=Z trained sample=3"}},
          {"alert", {R"("message":"Z 필체 학습 완료!")"}},
          {"alert", {R"("message":"Z URL 지정 완료")"}},
          {"open-url", {R"("url":"https://www.example.org/notes")"}}},
         0},
        {"excluded-application.session",
         "excluded",
         {{"media", {R"("media":18,)"}},
          {"log", {"gesture=exclusion added app=com.example.sketchpad"}},
          {"event", {R"("result":"pass")"}},
          {"key", {R"("key":33,)"}},
          {"log", {"gesture=exclusion removed app=com.example.sketchpad"}}},
         9},
        {"sync/1-machine-one-starts-a-share.session",
         "machine-1",
         {{"log", {}}, {"alert", {R"("message":"양방향 공유 시작!")"}}},
         0},
        {"sync/2-machine-two-joins.session",
         "machine-2",
         {{"alert", {R"("message":"양방향 공유 참여 완료")"}},
          {"defaults", {R"("value":"/Applications/Calculator.app")"}}},
         0},
        {"sync/3-machine-two-retrains.session",
         "machine-2",
         {{"log", {"velmor-sync PUBLISHED B.samples"}}},
         0},
        {"sync/4-machine-one-picks-it-up.session",
         "machine-1",
         {{"log", {"velmor-sync merged remote changes; local backup saved"}}},
         0},
    };
    TempHome example;
    for (const auto& step : steps) {
        const ReplayRun run =
            runReplay(std::filesystem::path(VELMOR_SOURCE_DIR) / "examples" / step.session,
                      example.path() / step.home);
        ASSERT_TRUE(run.succeeded) << step.session << ": " << run.errors;
        EXPECT_TRUE(inOrder(run.lines, step.expects)) << step.session;
        EXPECT_EQ(countContaining(run.lines, R"("result":"pass")"), step.passed) << step.session;
        for (std::size_t index = 1; index < run.lines.size(); ++index) {
            ASSERT_LE(std::stod(run.lines[index - 1].substr(5)),
                      std::stod(run.lines[index].substr(5)))
                << step.session << ": time runs forward";
        }
    }
}

}  // namespace
}  // namespace velmor::testing
