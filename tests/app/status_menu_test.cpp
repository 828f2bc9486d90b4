#include <gmock/gmock.h>

#include "app/app_fixture.h"
#include "app/app_texts.h"
#include "app/status_menu.h"
#include "core/value.h"
#include "letters/letter_store.h"
#include "platform/in_memory_user_defaults.h"
#include "support/gesture_fixture.h"

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

    const auto menu = VLMakeStatusMenu(defaults, platform::DesktopConventions::mac);
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

// On a Linux desktop the texts say what is true there, and the middle click's capture is the
// user's choice, off at first; the Mac's texts and menu stay as they are.
TEST_F(StatusMenuActionsTest, ALinuxDesktopHasItsOwnWordsAndTheMiddleClickIsTheApplications) {
    sim.setConventions(platform::DesktopConventions::freedesktop);
    launch(false);
    EXPECT_EQ(alertMessages().back(), "마우스 입력 권한이 필요합니다");
    EXPECT_THAT(texts("alert", "informative").back(), HasSubstr("XTEST·XInput"));
    EXPECT_THAT(titles(app->statusMenu()),
                ::testing::IsSupersetOf({"가운데 버튼 클릭으로 영역 캡처", "입력 권한 다시 확인"}));
    sim.notifications().post("VLShowHelp", std::nullopt);
    const std::string help = texts("alert", "informative").back();
    EXPECT_THAT(help, HasSubstr("→ ↓ : 현재 창 최소화\n"));
    EXPECT_THAT(help, HasSubstr("↻ : 데스크톱 설정 열기\n"));
    EXPECT_EQ(help.find("macOS"), std::string::npos);
    EXPECT_EQ(help.find("Dock"), std::string::npos);
    choose("Velmor 설정");
    EXPECT_THAT(texts("alert", "informative").back(),
                HasSubstr("시계 방향 원(↻): 데스크톱 설정 열기"));

    // A middle click alone: the application's until the user turns the capture on.
    sim.setTrusted(true);
    choose("입력 권한 다시 확인");
    ASSERT_TRUE(sim.tapEnabled());
    const auto middleClick = [&] {
        sim.clearRecords();
        const auto down =
            sim.deliverEvent(makeButtonEvent(platform::event_type::kOtherMouseDown, 2));
        const auto up = sim.deliverEvent(makeButtonEvent(platform::event_type::kOtherMouseUp, 2));
        return std::pair{down, up};
    };
    using platform::TapResult;
    EXPECT_EQ(middleClick(), (std::pair{TapResult::pass, TapResult::pass}));
    EXPECT_TRUE(sim.recordsOfKind("key").empty());
    choose("가운데 버튼 클릭으로 영역 캡처");
    EXPECT_TRUE(sim.defaults().boolean("VLMiddleClickCapture"));
    EXPECT_TRUE(VLFindMenuItem(app->statusMenu(), menu_id::kMiddleClickCapture)->checked);
    EXPECT_EQ(middleClick(), (std::pair{TapResult::swallow, TapResult::swallow}));
    EXPECT_EQ(sim.recordsOfKind("key").size(), 2u);  // the capture's shortcut
    // In a hold the middle button still plays or pauses.
    choose("가운데 버튼 클릭으로 영역 캡처");
    sim.deliverEvent(platform::Event(platform::event_type::kRightMouseDown, {5, 5}));
    EXPECT_EQ(sim.deliverEvent(makeButtonEvent(platform::event_type::kOtherMouseDown, 2)),
              TapResult::swallow);
}

}  // namespace
}  // namespace velmor::testing
