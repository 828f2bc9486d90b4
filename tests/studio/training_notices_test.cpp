#include <gmock/gmock.h>

#include "app/app_fixture.h"
#include "letters/letter_store.h"

namespace velmor::testing {
namespace {

using ::testing::ElementsAre;

struct TrainingNoticesTest : AppFixture {
    void SetUp() override { launch(); }
    void post(const char* name, std::optional<Value> object) {
        sim.notifications().post(name, std::move(object));
    }
    std::string lastDetail() const { return texts("alert", "informative").back(); }
};

Value progress(const char* letter, std::int64_t remaining) {
    return Value(
        Value::Dictionary{{"letter", Value(letter)}, {"remaining", Value::integer(remaining)}});
}

TEST_F(TrainingNoticesTest, ProgressRejectionAndCompletionNotices) {
    post("VLStudioProgress", progress("Q", 2));
    EXPECT_EQ(alertMessages().back(), "Q 필체 기억했어!");
    EXPECT_EQ(lastDetail(), "이제 2번만 더 그리면 돼요.");

    post("VLStudioRejected", Value("Q"));
    EXPECT_EQ(alertMessages().back(), "Q 필체를 저장하지 않았어요");
    EXPECT_EQ(lastDetail(), "한 획으로 조금 더 크게 그려주세요.\n기존 학습 결과는 유지됩니다.");
    post("VLStudioRejected", Value::integer(4));
    EXPECT_EQ(alertMessages().back(), "문자 필체를 저장하지 않았어요");

    post("VLStudioProgress", progress("A", 0));  // A has its built-in web address
    EXPECT_EQ(alertMessages().back(), "A 필체 학습 완료!");
    EXPECT_EQ(lastDetail(),
              "세 가지 필체를 기억했어요! 이제 글자를 그려 지정한 앱이나 웹사이트를 열어보세요.");

    post("VLStudioProgress", Value("not a dictionary"));
    EXPECT_EQ(alertMessages().back(), "문자 필체 학습 완료!");
    EXPECT_EQ(lastDetail(),
              "세 가지 필체를 기억했어요! 메뉴에서 이 글자의 실행 앱 또는 URL을 지정하면 사용할 "
              "수 있어요.");
    EXPECT_EQ(alertMessages().size(), 5u);
}

TEST_F(TrainingNoticesTest, CompletionRefreshesOnlyChangedLetterTitles) {
    sim.defaults().set(VLLetterTemplatesKey("K"), threeSamples());
    sim.clearRecords();
    post("VLStudioProgress", progress("K", 0));
    EXPECT_THAT(texts("menu-title", "title"), ElementsAre("K  ✓"));
    EXPECT_EQ(app->statusMenu()[6].submenu[10].title, "K  ✓");
}

}  // namespace
}  // namespace velmor::testing
