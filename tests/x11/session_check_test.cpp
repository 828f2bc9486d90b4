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

TEST(TerminalUi, AnAlertIsToldAndClosedWithItsCancellingButton) {
    std::ostringstream out;
    x11::TerminalUi ui(out, {});
    const auto one = ui.runModalAlert({"권한", "설명", {"확인"}, std::nullopt});
    const auto four = ui.runModalAlert({"글자", "", {"앱", "웹", "지우기", "취소"}, std::nullopt});
    EXPECT_EQ(one.button, 1000);
    EXPECT_EQ(four.button, 1003);
    EXPECT_EQ(out.str(), "velmor: 권한\n  설명\nvelmor: 글자\n");
}

}  // namespace
}  // namespace velmor
