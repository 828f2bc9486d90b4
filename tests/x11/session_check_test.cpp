#include <gtest/gtest.h>

#include <sstream>

#include "desktop/session_check.h"
#include "platform/x11/terminal_ui.h"

namespace velmor {
namespace {

TEST(SessionCheck, RunsOnAnX11DisplayAndExplainsEverySessionItCannotUse) {
    EXPECT_EQ(judgeSession({":0", std::nullopt, "x11"}).canRun, true);
    EXPECT_EQ(judgeSession({":0", std::nullopt, "x11"}).message, "");

    const SessionVerdict xwayland = judgeSession({":0", "wayland-0", "wayland"});
    EXPECT_TRUE(xwayland.canRun);
    EXPECT_NE(xwayland.message.find("only X11"), std::string::npos) << xwayland.message;

    const SessionVerdict pureWayland = judgeSession({std::nullopt, "wayland-0", std::nullopt});
    EXPECT_FALSE(pureWayland.canRun);
    EXPECT_NE(pureWayland.message.find("Wayland"), std::string::npos);

    const SessionVerdict console = judgeSession({std::nullopt, std::nullopt, "tty"});
    EXPECT_FALSE(console.canRun);
    EXPECT_NE(console.message.find("DISPLAY"), std::string::npos);
}

// Nobody sees the terminal's alerts: each is closed with the button that changes nothing,
// wherever it stands, else with the first.
TEST(TerminalUi, AnAlertIsToldAndClosedWithTheButtonThatChangesNothing) {
    std::ostringstream out;
    x11::TerminalUi ui(out, {});
    const auto one = ui.runModalAlert({"권한", "설명", {"확인"}, std::nullopt, 0});
    const auto settings =
        ui.runModalAlert({"설정", "", {"닫기", "자동 실행 전환"}, std::nullopt, 0});
    const auto url = ui.runModalAlert({"주소", "", {"URL 저장", "취소"}, std::nullopt, 1});
    const auto unmarked = ui.runModalAlert({"글자", "", {"앱", "웹"}, std::nullopt, std::nullopt});
    EXPECT_EQ(one.button, 1000);
    EXPECT_EQ(settings.button, 1000);
    EXPECT_EQ(url.button, 1001);
    EXPECT_EQ(unmarked.button, 1000);
    EXPECT_EQ(out.str(), "velmor: 권한\n  설명\nvelmor: 설정\nvelmor: 주소\nvelmor: 글자\n");
}

}  // namespace
}  // namespace velmor
