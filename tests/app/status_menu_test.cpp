#include <gmock/gmock.h>

#include "app/app_fixture.h"
#include "app/app_texts.h"
#include "app/status_menu.h"
#include "core/value.h"
#include "letters/letter_store.h"
#include "platform/in_memory_user_defaults.h"

namespace velmor::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> titles(const std::vector<platform::MenuItem>& items) {
    std::vector<std::string> found;
    for (const auto& item : items) {
        found.push_back(item.separator ? "-" : item.title);
    }
    return found;
}

TEST(StatusMenuTest, HoldsEveryItemInOrderWithChecksKeysAndLetterMarks) {
    platform::InMemoryUserDefaults defaults;
    defaults.setBoolean("VLVolumeWheelReverseDirection", true);
    defaults.set(VLLetterTemplatesKey("C"), threeSamples());
    defaults.set("VLStudioMTemplates", threeSamples());  // M falls back to these

    const auto menu = VLMakeStatusMenu(defaults);
    EXPECT_THAT(
        titles(menu),
        ElementsAre("Velmor 2.1.3 · Dovo V + Uduza Voradez", "-", "입력 감지 상태: 확인 중",
                    "입력 감지 다시 시작", "볼륨 휠 방향 반전", "제스처 안내",
                    "문자 인식하기 · A~Z", "Velmor Sync · 설정 공유", "Velmor 설정",
                    "로그인 시 자동 실행", "손쉬운 사용 권한 다시 확인", "-", "Velmor 종료"));
    EXPECT_FALSE(menu[0].enabled);
    EXPECT_FALSE(menu[2].enabled);
    EXPECT_TRUE(menu[4].checked);
    EXPECT_FALSE(menu[9].checked);
    EXPECT_EQ(menu[12].keyEquivalent, "q");

    const auto& letters = menu[6].submenu;
    ASSERT_EQ(letters.size(), 26u);
    EXPECT_EQ(menu[6].submenuTitle, "문자 인식하기");
    EXPECT_EQ(letters[2].title, "C  ✓");
    EXPECT_EQ(letters[12].title, "M  ✓");
    EXPECT_EQ(letters[25].representedObject, std::optional<std::string>("Z"));
    EXPECT_THAT(titles(menu[7].submenu),
                ElementsAre("새 공유 시작 · 1호기 최초 등록", "기존 공유에 참여 · 다른 맥",
                            "지금 동기화", "동기화 상태 보기", "동기화 끄기"));
    EXPECT_EQ(menu[7].submenuTitle, "Velmor Sync");
}

using StatusMenuActionsTest = AppFixture;

TEST_F(StatusMenuActionsTest, StatusItemShowsATemplateImageOrFallsBackToText) {
    launch();
    const platform::StatusItem& item = app->statusItem();
    EXPECT_EQ(item.title, "");
    EXPECT_EQ(item.toolTip, "Velmor");
    ASSERT_TRUE(item.imagePath);
    EXPECT_TRUE(item.imagePath->ends_with("/MenuVelmorTemplate.png"));
    EXPECT_TRUE(std::filesystem::is_regular_file(*item.imagePath));

    TempHome bareHome;
    sim::SimPlatform bare(sim::SimOptions{bareHome.path(), true, std::nullopt});
    VLAppDelegate bareApp(bare);
    bareApp.makeStatusItem();
    EXPECT_EQ(bareApp.statusItem().title, "VL");
    EXPECT_FALSE(bareApp.statusItem().imagePath);
    EXPECT_EQ(bareApp.statusMenu().size(), 14u);
}

TEST_F(StatusMenuActionsTest, VolumeDirectionTogglesBackAndHelpShowsItsText) {
    launch();
    choose("볼륨 휠 방향 반전");
    EXPECT_TRUE(sim.defaults().boolean("VLVolumeWheelReverseDirection"));
    EXPECT_TRUE(app->statusMenu()[4].checked);
    choose("볼륨 휠 방향 반전");
    EXPECT_FALSE(sim.defaults().boolean("VLVolumeWheelReverseDirection"));
    EXPECT_FALSE(app->statusMenu()[4].checked);

    sim.notifications().post("VLShowHelp", std::nullopt);
    EXPECT_THAT(alertMessages(), ElementsAre("🦦 Velmor 2.1.3 · 도리도리 HELP ME!"));
    EXPECT_THAT(texts("alert", "informative").back(),
                HasSubstr("페이지\n            (YouTube Music에서는"));
    EXPECT_EQ(sim.records()[sim.records().size() - 2].kind, "activate-self");
}

TEST_F(StatusMenuActionsTest, SettingsTellPermissionAndLoginStateAndCanToggleLogin) {
    launch(true);
    sim.setTrusted(false);  // revoked while the tap still runs
    choose("Velmor 설정");
    EXPECT_THAT(texts("alert", "informative").back(),
                HasSubstr("\n로그인 시 자동 실행: 켜짐\n입력 감지: 권한 필요\n"));
    EXPECT_TRUE(sim.defaults().boolean("launchAtLogin"));  // "닫기" changed nothing

    sim.setTrusted(true);
    sim.queueAlertAnswer(1001);
    choose("Velmor 설정");
    EXPECT_THAT(texts("alert", "informative").back(), HasSubstr("입력 감지: 권한 허용"));
    EXPECT_FALSE(sim.defaults().boolean("launchAtLogin"));
    EXPECT_FALSE(app->statusMenu()[9].checked);

    sim.notifications().post("VLOpenSettings", std::nullopt);
    EXPECT_THAT(texts("alert", "informative").back(), HasSubstr("로그인 시 자동 실행: 꺼짐"));
}

}  // namespace
}  // namespace velmor::testing
