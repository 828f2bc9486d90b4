#include <gmock/gmock.h>

#include <fstream>

#include "replay/gesture_log_tail.h"
#include "replay/transcript.h"
#include "support/temp_home.h"

namespace velmor {
namespace {

using ::testing::ElementsAre;

TEST(TranscriptTest, JsonRecordsEscapeControlsAndKeepUtf8) {
    EXPECT_EQ(jsonRecord(1.5, "alert",
                         {{"message", Value("A 필체 \"학습\"\n\t\\\x01")},
                          {"buttons", Value(Value::Array{Value("확인")})},
                          {"response", Value::integer(1000)}}),
              R"({"t":1.5,"kind":"alert","message":"A 필체 \"학습\"\u000a\u0009\\\u0001",)"
              R"("buttons":["확인"],"response":1000})");
    EXPECT_EQ(jsonRecord(0.1 + 0.2, "scroll", {{"delta", Value::real(-2.5)}}),
              R"({"t":0.3,"kind":"scroll","delta":-2.5})");
    EXPECT_EQ(jsonRecord(0, "key", {{"down", Value::boolean(true)}, {"bad", Value("\xff")}}),
              R"({"t":0,"kind":"key","down":true,"bad":"\ufffd"})");
    // A cancelled panel and an absent setting are null, never left out.
    EXPECT_EQ(jsonRecord(2, "panel", {{"title", Value("Z")}, {"result", Value::boolean(false)}}),
              R"({"t":2,"kind":"panel","title":"Z","result":null})");
    EXPECT_EQ(jsonRecord(2, "defaults", {{"key", Value("K")}}),
              R"({"t":2,"kind":"defaults","key":"K","value":null})");
    EXPECT_EQ(textRecord(2, "event", {{"type", Value::integer(7)}, {"result", Value("pass")}}),
              "     2.000  event right-drag type=7 result=\"pass\"");
    EXPECT_EQ(textRecord(0, "log", {{"line", Value("a\nb")}}), "     0.000  log line=\"a\\nb\"");
}

TEST(TranscriptTest, LogTailFollowsAppendsPartialLinesAndRotation) {
    testing::TempHome home;
    const auto log = home.path() / "Desktop/Velmor_GestureLog.txt";
    const auto append = [](const std::filesystem::path& path, std::string_view text) {
        std::ofstream(path, std::ios::app) << text;
    };
    append(log, "old line\n");
    GestureLogTail tail(log);
    EXPECT_TRUE(tail.newLines().empty());  // lines from before are not reported

    append(log, "one\ntw");
    EXPECT_THAT(tail.newLines(), ElementsAre("one"));
    append(log, "o\n");
    EXPECT_THAT(tail.newLines(), ElementsAre("two"));

    append(log, "last before rotation\n");
    std::filesystem::rename(log, log.string() + ".previous");
    append(log, "first after\n");
    EXPECT_THAT(tail.newLines(), ElementsAre("last before rotation", "first after"));

    std::filesystem::remove(log);
    append(log, "fresh\n");
    EXPECT_THAT(tail.newLines(), ElementsAre("fresh"));
}

}  // namespace
}  // namespace velmor
