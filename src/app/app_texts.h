#pragma once

#include <string_view>

#include "platform/platform.h"

// The texts the application shell shows, copied byte for byte: the user interface is Korean.
namespace velmor::app_text {

// A text that names the Mac's own places or ways, beside what is true on a Linux desktop, in
// the same voice; the Mac's stays exactly as it is for the Mac and the simulated platform.
struct DesktopText {
    std::string_view mac;
    std::string_view freedesktop;

    std::string_view on(platform::DesktopConventions conventions) const {
        return conventions == platform::DesktopConventions::freedesktop ? freedesktop : mac;
    }
};

// Input status line of the status menu.
inline constexpr std::string_view kStatusChecking = "입력 감지 상태: 확인 중";
inline constexpr std::string_view kStatusStarting = "입력 감지 상태: 동작 시작 중";
inline constexpr std::string_view kStatusRunning = "입력 감지 상태: 동작 중";
inline constexpr std::string_view kStatusStartFailed = "입력 감지 상태: 시작 실패";
inline constexpr std::string_view kStatusPermissionNeeded = "입력 감지 상태: 권한 필요";
inline constexpr std::string_view kStatusRestartFailed = "입력 감지 상태: 재시작 실패";

inline constexpr std::string_view kOkButton = "확인";

// On X11 the "input permission" is the right button's grab, which one program at a time
// holds, with the server's XTEST and XInput extensions.
inline constexpr DesktopText kPermissionMessage{
    "손쉬운 사용 권한이 필요합니다",
    "마우스 입력 권한이 필요합니다",
};
inline constexpr DesktopText kPermissionInformative{
    "시스템 설정 → 개인정보 보호 및 보안 → 손쉬운 사용에서 Velmor을 켜 주세요. 켠 뒤에는 "
    "자동으로 동작을 시작합니다.",
    "다른 프로그램이 마우스 오른쪽 버튼을 쓰고 있거나, X 서버에 XTEST·XInput 확장이 없어요. "
    "그 프로그램을 끄면 자동으로 동작을 시작합니다.",
};

inline constexpr std::string_view kStartFailedMessage = "마우스 기능을 시작하지 못했습니다";
inline constexpr DesktopText kStartFailedInformative{
    "손쉬운 사용에서 Velmor 권한을 껐다가 다시 켠 뒤 메뉴 막대의 ‘손쉬운 사용 권한 다시 확인’을 "
    "눌러 주세요.",
    "오른쪽 버튼을 쓰는 다른 프로그램을 끈 뒤 트레이 메뉴의 ‘입력 권한 다시 확인’을 눌러 주세요.",
};

// Status menu.
inline constexpr std::string_view kVersionTitle = "Velmor 2.1.3 · Dovo V + Uduza Voradez";
inline constexpr std::string_view kRestartInputTitle = "입력 감지 다시 시작";
inline constexpr std::string_view kVolumeDirectionTitle = "볼륨 휠 방향 반전";
inline constexpr std::string_view kHelpTitle = "제스처 안내";
inline constexpr std::string_view kSettingsTitle = "Velmor 설정";
inline constexpr std::string_view kLaunchAtLoginTitle = "로그인 시 자동 실행";
inline constexpr DesktopText kRecheckPermissionTitle{
    "손쉬운 사용 권한 다시 확인",
    "입력 권한 다시 확인",
};
// Only on Linux, where a middle click alone belongs to the application unless this is on.
inline constexpr std::string_view kMiddleClickCaptureTitle = "가운데 버튼 클릭으로 영역 캡처";
inline constexpr std::string_view kQuitTitle = "Velmor 종료";

inline constexpr std::string_view kStatusItemFallbackTitle = "VL";
inline constexpr std::string_view kStatusItemToolTip = "Velmor";

// Help alert.
inline constexpr std::string_view kHelpMessage = "🦦 Velmor 2.1.3 · 도리도리 HELP ME!";
inline constexpr DesktopText kHelpInformative{
    "[브라우저 / 음악]\n"
    "→ / ← : 브라우저 다음 / 이전 페이지\n"
    "            (YouTube Music에서는 다음 / 이전 곡)\n"
    "다른 앱에서는 → / ← : 다음 / 이전 곡\n"
    "\n"
    "[탭과 앱]\n"
    "← ↑ : 새 탭 열기    ↓ → : 현재 탭 닫기\n"
    "→ ↓ : 현재 창 Dock으로 최소화\n"
    "↓ ← : 현재 앱 종료 (저장 확인 가능)\n"
    "↺ : 기본 할당 없음 (Devovov Ivirav에서 O 학습 후 사용)\n"
    "↻ : macOS 시스템 환경설정 열기\n"
    "\n"
    "[화면]\n"
    "↓ ↑ : 새로고침    ↑ ↓ : 선택 영역 캡처\n"
    "↑ / ↓ : 맨 위 / 맨 아래\n"
    "가운데 버튼 클릭 : 선택 영역 캡처\n"
    "\n"
    "[도움말]\n"
    "← → ← → (또는 → ← → ←) : 도리도리 도움말\n"
    "M + ← ↑ : 메모 앱 열기 (기존 콤보 유지)\n"
    "\n"
    "모든 제스처는 오른쪽 버튼을 누른 채 그리고, 놓으면 실행됩니다.",
    "[브라우저 / 음악]\n"
    "→ / ← : 브라우저 다음 / 이전 페이지\n"
    "            (YouTube Music에서는 다음 / 이전 곡)\n"
    "다른 앱에서는 → / ← : 다음 / 이전 곡\n"
    "\n"
    "[탭과 앱]\n"
    "← ↑ : 새 탭 열기    ↓ → : 현재 탭 닫기\n"
    "→ ↓ : 현재 창 최소화\n"
    "↓ ← : 현재 앱 종료 (저장 확인 가능)\n"
    "↺ : 기본 할당 없음 (Devovov Ivirav에서 O 학습 후 사용)\n"
    "↻ : 데스크톱 설정 열기\n"
    "\n"
    "[화면]\n"
    "↓ ↑ : 새로고침    ↑ ↓ : 선택 영역 캡처\n"
    "↑ / ↓ : 맨 위 / 맨 아래\n"
    "가운데 버튼 클릭 : 앱에 그대로 (메뉴에서 영역 캡처로 바꿀 수 있어요)\n"
    "\n"
    "[도움말]\n"
    "← → ← → (또는 → ← → ←) : 도리도리 도움말\n"
    "M + ← ↑ : 메모 앱 열기 (기존 콤보 유지)\n"
    "\n"
    "모든 제스처는 오른쪽 버튼을 누른 채 그리고, 놓으면 실행됩니다.",
};
inline constexpr std::string_view kHelpButton = "알겠어요!";

// Settings alert; the informative text takes the launch-at-login and the permission words.
inline constexpr std::string_view kSettingsMessage = "Velmor 설정";
inline constexpr std::string_view kSettingsInformativeBeforeLogin =
    "버전 2.1.3\n\n로그인 시 자동 실행: ";
inline constexpr std::string_view kSettingsInformativeBeforeInput = "\n입력 감지: ";
inline constexpr DesktopText kSettingsInformativeEnd{
    "\n\n반시계 방향 원(↺): 기본 동작 없음\n시계 방향 원(↻): macOS 시스템 환경설정 열기\n\nO는 "
    "Devovov Ivirav에서 필체를 3번 가르치고 실행 앱/URL을 지정해 사용합니다.",
    "\n\n반시계 방향 원(↺): 기본 동작 없음\n시계 방향 원(↻): 데스크톱 설정 열기\n\nO는 "
    "Devovov Ivirav에서 필체를 3번 가르치고 실행 앱/URL을 지정해 사용합니다.",
};
inline constexpr std::string_view kOn = "켜짐";
inline constexpr std::string_view kOff = "꺼짐";
inline constexpr std::string_view kPermissionGranted = "권한 허용";
inline constexpr std::string_view kPermissionMissing = "권한 필요";
inline constexpr std::string_view kSettingsCloseButton = "닫기";
inline constexpr std::string_view kSettingsToggleLoginButton = "자동 실행 전환";

// Launch at login.
inline constexpr std::string_view kLaunchAgentFailedMessage = "자동 실행을 설정하지 못했습니다";
inline constexpr std::string_view kLaunchAgentFailedInformative =
    "로그인 항목 파일을 만들지 못했습니다.";

}  // namespace velmor::app_text
