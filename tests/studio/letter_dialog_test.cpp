#include <gmock/gmock.h>

#include "app/app_fixture.h"
#include "letters/letter_store.h"
#include "log/gesture_log.h"
#include "platform/files.h"
#include "studio/letter_dialog.h"

namespace velmor::testing {
namespace {

using ::testing::HasSubstr;

constexpr const char* kAlphabet = "문자 인식하기 · A~Z";

struct LetterDialogTest : AppFixture {
    void SetUp() override { launch(); }

    const std::string& letterTitle(int index) const {
        return app->statusMenu()[6].submenu[static_cast<std::size_t>(index)].title;
    }
    std::string lastInformative() const { return texts("alert", "informative").back(); }
    // Opens the letter's alert and closes it with "닫기".
    void look(const std::string& letter) {
        sim.queueAlertAnswer(1003);
        choose(kAlphabet, letter);
    }
};

TEST_F(LetterDialogTest, LetterAlertNamesSamplesAndActionWithDefaults) {
    look("A");
    EXPECT_EQ(alertMessages().back(), "Devovov Ivirav · A");
    EXPECT_THAT(lastInformative(),
                ::testing::StartsWith("필체: 미등록\n실행 동작: https://www.wikipedia.org/\n"));
    EXPECT_EQ(sim.records()[sim.records().size() - 2].kind, "activate-self");

    sim.defaults().set("VLStudioMTemplates", threeSamples());
    app->refreshAlphabetMenu();
    EXPECT_EQ(letterTitle(12), "M  ✓");
    look("M  ✓");
    EXPECT_THAT(lastInformative(), HasSubstr("필체: 등록됨\n실행 동작: Music\n"));
    look("B");
    EXPECT_THAT(lastInformative(), HasSubstr("실행 동작: 미설정\n"));

    EXPECT_EQ(VLActionLabel("/Applications/Visual Studio Code.app/"), "Visual Studio Code");
    EXPECT_EQ(VLActionLabel("HTTPS://Example.com/x.app"), "HTTPS://Example.com/x.app");
    const std::size_t alerts = alertMessages().size();
    VLConfigureLetter(sim, *app, std::string("AB"));  // not one letter: ignored
    VLConfigureLetter(sim, *app, std::nullopt);
    EXPECT_EQ(alertMessages().size(), alerts);
}

TEST_F(LetterDialogTest, TrainingStartReplacesARunningTraining) {
    sim.defaults().setString("VLStudioTrainingLetter", "C");
    sim.defaults().setInteger("VLStudioTrainingRemaining", 1);
    sim.defaults().set("VLStudioTrainingPending", threeSamples());
    sim.defaults().set(VLLetterTemplatesKey("B"), threeSamples());
    app->refreshAlphabetMenu();

    sim.queueAlertAnswer(1000);
    choose(kAlphabet, "B  ✓");
    EXPECT_EQ(sim.defaults().string("VLStudioTrainingLetter"), "B");
    EXPECT_EQ(sim.defaults().object("VLStudioTrainingRemaining"), Value::integer(3));
    EXPECT_FALSE(sim.defaults().object("VLStudioTrainingPending"));
    EXPECT_TRUE(VLLetterSamples(sim.defaults(), "B"));  // kept until the third drawing
    EXPECT_EQ(alertMessages().back(), "B 필체 학습 시작");
    const auto log = files::readRegularFile(VLGestureLogPath(sim), 1 << 20);
    ASSERT_TRUE(log);
    EXPECT_THAT(*log, HasSubstr(": studio=B training started count=3\n"));
}

TEST_F(LetterDialogTest, ApplicationPanelBindsTheChosenBundle) {
    sim.queueAlertAnswer(1001);
    sim.queuePanelResult("/System/Applications/Music.app");
    choose(kAlphabet, "C");
    EXPECT_EQ(texts("panel", "title").back(), "C 제스처가 실행할 앱 선택");
    EXPECT_EQ(sim.recordsOfKind("panel").back().fields.at("canChooseFiles"), Value::boolean(true));
    EXPECT_EQ(sim.defaults().string(VLLetterActionKey("C")), "/System/Applications/Music.app");
    EXPECT_EQ(alertMessages().back(), "C 실행 앱 지정 완료");
    EXPECT_EQ(lastInformative(), "Music.app\n필체 학습을 마치면 글자를 그려 실행할 수 있어요.");
    EXPECT_EQ(letterTitle(2), "C");  // an action is no check mark

    sim.queueAlertAnswer(1001);
    sim.queuePanelResult(std::nullopt);
    choose(kAlphabet, "C");
    EXPECT_EQ(alertMessages().back(), "Devovov Ivirav · C");  // cancelled: no notice
    EXPECT_EQ(sim.defaults().string(VLLetterActionKey("C")), "/System/Applications/Music.app");
}

TEST_F(LetterDialogTest, WebAddressIsTrimmedAndCheckedBeforeItIsStored) {
    const auto bindUrl = [&](const std::string& letter, const std::string& typed) {
        sim.queueAlertAnswer(1002);
        sim.queueAlertAnswer(1000);
        sim.queueFieldText(typed);
        choose(kAlphabet, letter);
    };
    const auto cancelUrl = [&](const std::string& letter) {
        sim.queueAlertAnswer(1002);
        sim.queueAlertAnswer(1001);  // "취소"
        choose(kAlphabet, letter);
        EXPECT_EQ(alertMessages().back(), letter + " · 웹사이트(URL) 지정");
        return texts("alert", "field").back();  // the field's text as it was offered
    };
    EXPECT_EQ(cancelUrl("A"), "https://www.wikipedia.org/");
    EXPECT_EQ(cancelUrl("B"), "https://");
    EXPECT_FALSE(sim.defaults().object(VLLetterActionKey("A")));

    bindUrl("A", "  https://www.example.org/notes \n");
    EXPECT_EQ(alertMessages().back(), "A URL 지정 완료");
    const auto stored = sim.defaults().string(VLLetterActionKey("A"));
    EXPECT_EQ(stored, "https://www.example.org/notes");
    EXPECT_EQ(
        lastInformative(),
        "https://www.example.org/notes\n필체 학습을 마치면 이 주소를 기본 브라우저에서 열어요.");
    EXPECT_EQ(cancelUrl("A"), "https://www.example.org/notes");

    for (const char* refused : {"ftp://files.example.org/", "https://", "https:///path"}) {
        bindUrl("A", refused);
        EXPECT_EQ(alertMessages().back(), "URL을 확인해 주세요") << refused;
        EXPECT_EQ(sim.defaults().string(VLLetterActionKey("A")), stored);
    }
}

// Where a desktop answers Escape or the close button, every alert of the program gives the
// button that changes nothing: never training, binding, or flipping launch at login.
TEST_F(LetterDialogTest, EveryAlertNamesTheButtonThatChangesNothing) {
    sim.notifications().post("VLShowHelp", std::nullopt);
    choose("Velmor 설정");
    look("B");
    sim.queueAlertAnswer(1002);  // the web address, then "취소"
    sim.queueAlertAnswer(1001);
    choose(kAlphabet, "C");
    sim.queueAlertAnswer(1000);  // a training, and its notice
    choose(kAlphabet, "D");
    std::vector<std::pair<std::string, std::int64_t>> cancels;
    for (const auto& alert : sim.recordsOfKind("alert")) {
        const Value* cancel = alert.fields.count("cancel") ? &alert.fields.at("cancel") : nullptr;
        cancels.emplace_back(*alert.fields.at("message").asString(),
                             cancel ? cancel->numberAsInteger().value_or(-1) : -1);
    }
    using Cancel = std::pair<std::string, std::int64_t>;
    EXPECT_THAT(cancels, ::testing::ElementsAre(
                             Cancel{"🦦 Velmor 2.1.3 · 도리도리 HELP ME!", 1000},
                             Cancel{"Velmor 설정", 1000},  // "닫기"
                             Cancel{"Devovov Ivirav · B", 1003}, Cancel{"Devovov Ivirav · C", 1003},
                             Cancel{"C · 웹사이트(URL) 지정", 1001},  // "취소"
                             Cancel{"Devovov Ivirav · D", 1003}, Cancel{"D 필체 학습 시작", 1000}));
}

}  // namespace
}  // namespace velmor::testing
