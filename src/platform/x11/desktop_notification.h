#pragma once

#include <string>

namespace velmor::x11 {

// Shows a notification through the desktop's notification service on the session bus
// (org.freedesktop.Notifications): where a user who started Velmor from the applications menu
// looks, unlike standard error. False when there is no session bus. Main thread.
bool notifyDesktop(const std::string& summary, const std::string& body);

// What the user is told, in the program's Korean voice.
namespace notice_text {
inline constexpr const char* kNoTraySummary = "Velmor 메뉴를 보일 곳이 없어요";
inline constexpr const char* kNoTrayBody =
    "패널에 트레이(상태 알림 영역)가 없어 메뉴는 보이지 않지만, 제스처는 그대로 동작해요. "
    "GNOME에서는 AppIndicator 확장을 켜면 메뉴가 보여요. Velmor를 끄려면 터미널에서 "
    "pkill -x velmor 를 입력하세요.";
inline constexpr const char* kAlreadyRunningSummary = "Velmor가 이미 실행 중이에요";
inline constexpr const char* kAlreadyRunningBody =
    "패널 트레이의 Velmor 메뉴에서 설정을 바꾸거나 Velmor를 끌 수 있어요.";
}  // namespace notice_text

}  // namespace velmor::x11
