#pragma once

#include <string_view>

// The texts of the letter dialogs and notices, copied byte for byte.
namespace velmor::studio_text {

inline constexpr std::string_view kAlphabetItemTitle = "문자 인식하기 · A~Z";
// The alphabet item is found again by this beginning of its title.
inline constexpr std::string_view kAlphabetSubmenuTitle = "문자 인식하기";
inline constexpr std::string_view kTrainedMark = "  ✓";

inline constexpr std::string_view kNoticeButton = "확인";

// Letter alert.
inline constexpr std::string_view kLetterMessagePrefix = "Devovov Ivirav · ";
inline constexpr std::string_view kLetterInformativeSamples = "필체: ";
inline constexpr std::string_view kLetterInformativeAction = "\n실행 동작: ";
inline constexpr std::string_view kLetterInformativeEnd =
    "\n\n학습은 오른쪽 버튼으로 글자를 세 번, 각각 한 획으로 그리면 됩니다.\n다른 제스처와 "
    "혼동되면 학습을 다시 해보세요.";
inline constexpr std::string_view kRegistered = "등록됨";
inline constexpr std::string_view kNotRegistered = "미등록";
inline constexpr std::string_view kNoAction = "미설정";
inline constexpr std::string_view kTrainButton = "필체 3번 가르치기";
inline constexpr std::string_view kChooseAppButton = "실행 앱 선택";
inline constexpr std::string_view kWebAddressButton = "웹사이트(URL) 지정";
inline constexpr std::string_view kCloseButton = "닫기";

// Training started.
inline constexpr std::string_view kTrainingStartedTitleSuffix = " 필체 학습 시작";
inline constexpr std::string_view kTrainingStartedDetail =
    "이제 마우스 오른쪽 버튼을 누른 채 한 획으로 글자를 그려주세요.\n3번의 제스처가 완료되면 "
    "학습 결과가 저장됩니다.";

// Application panel.
inline constexpr std::string_view kPanelTitleSuffix = " 제스처가 실행할 앱 선택";
inline constexpr std::string_view kPanelPrompt = "이 앱 사용";
inline constexpr std::string_view kAppBoundTitleSuffix = " 실행 앱 지정 완료";
inline constexpr std::string_view kAppBoundDetailSuffix =
    "\n필체 학습을 마치면 글자를 그려 실행할 수 있어요.";

// Web address alert.
inline constexpr std::string_view kUrlMessageSuffix = " · 웹사이트(URL) 지정";
inline constexpr std::string_view kUrlInformative =
    "https://로 시작하는 웹주소를 입력해 주세요.\n기존 앱 실행 기능도 언제든 다시 지정할 수 "
    "있어요.";
inline constexpr std::string_view kUrlInitialText = "https://";
inline constexpr std::string_view kUrlSaveButton = "URL 저장";
inline constexpr std::string_view kUrlCancelButton = "취소";
inline constexpr std::string_view kUrlBoundTitleSuffix = " URL 지정 완료";
inline constexpr std::string_view kUrlBoundDetailSuffix =
    "\n필체 학습을 마치면 이 주소를 기본 브라우저에서 열어요.";
inline constexpr std::string_view kUrlRefusedTitle = "URL을 확인해 주세요";
inline constexpr std::string_view kUrlRefusedDetail =
    "http:// 또는 https://로 시작하고 실제 호스트 이름이 포함된 주소를 입력해 주세요. 기존 "
    "설정은 유지됩니다.";

// Training notices.
inline constexpr std::string_view kPlaceholderLetter = "문자";
inline constexpr std::string_view kProgressTitleSuffix = " 필체 기억했어!";
inline constexpr std::string_view kProgressDetailPrefix = "이제 ";
inline constexpr std::string_view kProgressDetailSuffix = "번만 더 그리면 돼요.";
inline constexpr std::string_view kCompletedTitleSuffix = " 필체 학습 완료!";
inline constexpr std::string_view kCompletedWithActionDetail =
    "세 가지 필체를 기억했어요! 이제 글자를 그려 지정한 앱이나 웹사이트를 열어보세요.";
inline constexpr std::string_view kCompletedWithoutActionDetail =
    "세 가지 필체를 기억했어요! 메뉴에서 이 글자의 실행 앱 또는 URL을 지정하면 사용할 수 "
    "있어요.";
inline constexpr std::string_view kRejectedTitleSuffix = " 필체를 저장하지 않았어요";
inline constexpr std::string_view kRejectedDetail =
    "한 획으로 조금 더 크게 그려주세요.\n기존 학습 결과는 유지됩니다.";

}  // namespace velmor::studio_text
