#pragma once

#include <string_view>

// What Velmor Sync says to the user, byte for byte.
namespace velmor::sync_text {

inline constexpr std::string_view kPanelTitle =
    "모든 맥에서 같은 iCloud Drive 또는 OneDrive 폴더를 선택하세요";
inline constexpr std::string_view kPanelPrompt = "이 폴더 사용";

inline constexpr std::string_view kFolderErrorTitle = "공유 폴더 오류";
// The detail when the system gives no description of the error.
inline constexpr std::string_view kFolderErrorDetail = "폴더 생성 실패";

inline constexpr std::string_view kAlreadyStartedTitle = "이미 동기화가 시작된 폴더";
inline constexpr std::string_view kAlreadyStartedDetail =
    "이 폴더에는 공유 기록이 있어요. 새 공유 시작 대신 ‘기존 공유에 참여’를 선택하세요.";

inline constexpr std::string_view kInitialShareFailedTitle = "초기 공유 실패";
inline constexpr std::string_view kInitialShareFailedDetail =
    "공유 폴더 쓰기를 확인해 주세요. 생성된 폴더에 부분 기록이 있을 수 있습니다.";

inline constexpr std::string_view kShareStartedTitle = "양방향 공유 시작!";
inline constexpr std::string_view kShareStartedDetail =
    "1호기의 현재 필체·앱·URL을 최초 기준으로 등록했어요. 이제 어느 맥에서 변경해도 나머지 "
    "맥으로 동기화합니다. (약 30초마다 확인)";

inline constexpr std::string_view kNoShareRecordsTitle = "공유 기록을 찾지 못했어요";
inline constexpr std::string_view kNoShareRecordsDetail =
    "1호기에서 먼저 ‘새 공유 시작’을 완료하고 클라우드 파일 동기화가 끝난 뒤 참여해 주세요.";

inline constexpr std::string_view kLocalBackupFailedTitle = "로컬 백업 실패";
inline constexpr std::string_view kLocalBackupFailedDetail =
    "기존 설정을 보호하기 위해 동기화를 시작하지 않았어요.";

inline constexpr std::string_view kUnreadableRecordsTitle = "공유 기록을 읽지 못했어요";
inline constexpr std::string_view kUnreadableRecordsDetail =
    "클라우드 파일이 내려받아졌는지 확인해 주세요.";

inline constexpr std::string_view kJoinedTitle = "양방향 공유 참여 완료";
inline constexpr std::string_view kJoinedDetail =
    "현재 공유 필체를 받아왔고, 이전 로컬 설정은 백업했어요. 이제 이 맥에서 글자를 수정해도 "
    "다른 맥으로 전달됩니다.";

inline constexpr std::string_view kStatusTitle = "Velmor Sync · 양방향";
inline constexpr std::string_view kStatusOn = "양방향 동기화 켜짐";
inline constexpr std::string_view kStatusOff = "꺼짐";
inline constexpr std::string_view kStatusNoFolder = "지정되지 않음";
// Filled with the state text and the folder text.
inline constexpr std::string_view kStatusDetailBeforeState = "상태: ";
inline constexpr std::string_view kStatusDetailBeforeFolder = "\n공유 폴더: ";
inline constexpr std::string_view kStatusDetailAfterFolder =
    "\n\n필체와 앱·URL만 공유합니다. 약 30초마다 변경을 확인하며, 클라우드 서비스의 "
    "업로드·다운로드 시간은 별도입니다.";

inline constexpr std::string_view kStoppedTitle = "Velmor Sync 일시 중지";
inline constexpr std::string_view kStoppedDetail =
    "이 맥의 자동 동기화만 멈췄어요. 로컬 제스처와 클라우드 기록은 유지합니다.";

}  // namespace velmor::sync_text
