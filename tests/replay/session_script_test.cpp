#include <gmock/gmock.h>

#include "replay/session_script.h"

namespace velmor {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(SessionScriptTest, SplitsWordsQuotesEscapesCommentsAndNumbers) {
    const auto split = [](std::string_view line) {
        std::string error;
        auto words = splitSessionLine(line, error);
        EXPECT_TRUE(words) << error;
        return words.value_or(std::vector<SessionWord>{});
    };
    EXPECT_THAT(split("  menu \"문자 인식하기 · A~Z\"\t\"Z  ✓\"  # choose Z"),
                ElementsAre(SessionWord{"menu", false}, SessionWord{"문자 인식하기 · A~Z", true},
                            SessionWord{"Z  ✓", true}));
    EXPECT_THAT(
        split(R"(field "say \"hi\" \\ # not a comment" "")"),
        ElementsAre(SessionWord{"field", false}, SessionWord{R"(say "hi" \ # not a comment)", true},
                    SessionWord{"", true}));
    EXPECT_TRUE(split("   # only a comment\r").empty());

    // Numbers are plain decimals: no exponents, no words.
    EXPECT_EQ(sessionNumber("-40"), -40.0);
    EXPECT_FALSE(sessionNumber("1e3"));
    EXPECT_FALSE(sessionNumber("nan"));
    EXPECT_FALSE(sessionInteger("3.0"));
}

TEST(SessionScriptTest, RefusesMistakesNamingTheLineAndRunsNothing) {
    const auto error = [](std::string_view text) {
        const SessionScript script = parseSession(text);
        EXPECT_TRUE(script.commands.empty());
        return script.error.value_or(SessionError{0, "no error"});
    };
    const SessionError typo = error("launch\nlaunh\n");
    EXPECT_EQ(typo.line, 2);
    EXPECT_THAT(typo.message, HasSubstr("unknown command \"launh\""));
    EXPECT_THAT(error("field \"open").message, HasSubstr("not closed"));
    EXPECT_THAT(error(R"(field "a\n")").message, HasSubstr("backslash"));
    EXPECT_THAT(error("field \"a\"b").message, HasSubstr("quote"));
    EXPECT_THAT(error("right-down 10").message, HasSubstr("usage"));
    EXPECT_THAT(error("right-down 10 ten").message, HasSubstr("Y must be a number"));
    EXPECT_THAT(error("key-down 70000").message, HasSubstr("CODE must be an integer"));
    EXPECT_THAT(error("wheel 1.5").message, HasSubstr("DELTA"));
    EXPECT_THAT(error("wait -1").message, HasSubstr("negative"));
    EXPECT_THAT(error("permission yes").message, HasSubstr("permission on"));
    EXPECT_THAT(error("running com.x 12 shown").message, HasSubstr("hidden"));
    EXPECT_THAT(error("alert-answer 2").message, HasSubstr("N must be"));
    EXPECT_THAT(error("defaults set K maybe").message, HasSubstr("quoted string"));
    EXPECT_THAT(error("show everything").message, HasSubstr("show menu"));
    EXPECT_THAT(error("drag-to 1 2 3").message, HasSubstr("earlier right-button event"));
    EXPECT_THAT(error("right-down 1 2\ndrag-to 1 2 0").message, HasSubstr("greater than 0"));
    EXPECT_THAT(error("launch\nlaunch").message, HasSubstr("only once"));
    EXPECT_THAT(error("menu \"Velmor 설정\"\nlaunch").message, HasSubstr("after launch"));
    EXPECT_THAT(error("\"launch\"").message, HasSubstr("unknown command"));
    EXPECT_THAT(error("field \"\xff\"").message, HasSubstr("UTF-8"));
}

}  // namespace
}  // namespace velmor
