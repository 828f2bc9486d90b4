#include <gtest/gtest.h>

#include "scenarios/replay_harness.h"
#include "support/temp_home.h"

namespace velmor::testing {
namespace {

const std::filesystem::path kExamples = std::filesystem::path(VELMOR_SOURCE_DIR) / "examples";

Value integer(std::int64_t number) {
    return Value::integer(number);
}

// Log records whose line holds the text.
std::size_t logLines(const std::vector<ReplayRecord>& records, std::string_view text) {
    std::size_t count = 0;
    for (const auto& record : records) {
        const Value* line = record.fields.find("line");
        count += record.kind == "log" && line && line->asString() &&
                         line->asString()->find(text) != std::string::npos
                     ? 1
                     : 0;
    }
    return count;
}

TEST(ExamplesTest, EverydayGesturesDoWhatTheCommentsSay) {
    TempHome home;
    const ReplayRun run = runReplay(kExamples / "everyday-gestures.session", home.path());
    ASSERT_TRUE(run.succeeded) << run.errors;
    const auto& records = run.records;
    for (std::size_t index = 1; index < records.size(); ++index) {
        ASSERT_LE(records[index - 1].t, records[index].t) << "time runs forward";
    }
    const Value command = integer(0x100000);
    EXPECT_TRUE(inOrder(
        records,
        {
            {"status-title", {{"title", Value("입력 감지 상태: 동작 중")}}},
            {"key", {{"key", integer(33)}, {"flags", command}, {"down", Value::boolean(true)}}},
            {"key", {{"key", integer(30)}, {"flags", command}}},  // forward
            {"key", {{"key", integer(17)}, {"flags", command}}},  // new tab
            {"key", {{"key", integer(13)}, {"flags", command}}},  // close tab
            {"log", {}},                                          // down-up line
            {"key", {{"key", integer(15)}, {"flags", command}}},  // refresh
            {"scroll", {}},                                       // to the top
            {"media", {{"media", integer(17)}}},                  // next track
            {"notification", {{"name", Value("VLShowHelp")}}},    // head shake
            {"alert", {{"message", Value("🦦 Velmor 2.1.3 · 도리도리 HELP ME!")}}},  //
            {"launch-app", {{"name", Value("System Preferences")}}},             // clockwise
            {"process", {{"path", Value("/usr/bin/osascript")}}},                // volume
            {"media", {{"media", integer(16)}}},                                 // play/pause
            {"key", {{"key", integer(21)}, {"flags", integer(0x120000)}}},       // capture
            {"mouse", {{"type", integer(3)}, {"marker", integer(0x564C515A)}}},  // right click
            {"mouse", {{"type", integer(4)}, {"x", integer(620)}, {"y", integer(410)}}},
        }));
    EXPECT_EQ(countRecords(records, {"scroll", {}}), 140u);
    EXPECT_EQ(countRecords(records, {"alert", {}}), 1u);
    EXPECT_EQ(countRecords(records, {"event", {{"result", Value("pass")}}}), 0u);
    const std::size_t refresh = findRecord(records, {"log", {}});
    ASSERT_LT(refresh, records.size());
    EXPECT_NE(records[refresh].fields.find("line")->asString()->find("result=REFRESH_CMD_R"),
              std::string::npos);
}

TEST(ExamplesTest, TrainLetterTeachesBindsAndOpensTheAddress) {
    TempHome home;
    const ReplayRun run = runReplay(kExamples / "train-letter.session", home.path());
    ASSERT_TRUE(run.succeeded) << run.errors;
    EXPECT_TRUE(inOrder(
        run.records,
        {
            {"alert", {{"message", Value("Devovov Ivirav · Z")}, {"response", integer(1000)}}},
            {"alert", {{"message", Value("Z 필체 학습 시작")}}},
            {"alert",
             {{"message", Value("Z 필체 기억했어!")},
              {"informative", Value("이제 2번만 더 그리면 돼요.")}}},
            {"alert",
             {{"message", Value("Z 필체 기억했어!")},
              {"informative", Value("이제 1번만 더 그리면 돼요.")}}},
            {"menu-title", {{"title", Value("Z  ✓")}}},
            {"alert", {{"message", Value("Z 필체 학습 완료!")}}},
            {"menu", {}},
            {"alert",
             {{"message", Value("Z · 웹사이트(URL) 지정")},
              {"field", Value("  https://www.example.org/notes  ")}}},
            {"alert", {{"message", Value("Z URL 지정 완료")}}},
            {"defaults", {{"value", Value("https://www.example.org/notes")}}},
            {"open-url", {{"url", Value("https://www.example.org/notes")}}},
        }));
    EXPECT_EQ(countRecords(run.records, {"alert", {{"message", Value("URL을 확인해 주세요")}}}),
              0u);
    EXPECT_EQ(logLines(run.records, "studio=Z training started count=3"), 1u);
    EXPECT_EQ(logLines(run.records, "studio=Z trained sample="), 3u);
    EXPECT_EQ(logLines(run.records, "studio=Z action_url=https://www.example.org/notes"), 1u);
    EXPECT_EQ(logLines(run.records, "candidate=Z"), 1u);
}

}  // namespace
}  // namespace velmor::testing
