#pragma once

#include <array>
#include <string_view>

#include "sync/velmor_sync.h"

namespace velmor {

// The "Velmor Sync" submenu of the status menu: its titles, the action names the menu
// items carry, and the operation each one performs.
inline constexpr std::string_view kVelmorSyncMenuParentTitle = "Velmor Sync · 설정 공유";
inline constexpr std::string_view kVelmorSyncSubmenuTitle = "Velmor Sync";

struct VLSyncMenuCommand {
    std::string_view title;
    std::string_view action;
    void (VLVelmorSync::*perform)();
};

inline constexpr std::array<VLSyncMenuCommand, 5> kVelmorSyncMenuCommands{{
    {"새 공유 시작 · 1호기 최초 등록", "velmorSyncSetMaster:", &VLVelmorSync::velmorSyncSetMaster},
    {"기존 공유에 참여 · 다른 맥", "velmorSyncSetFollower:", &VLVelmorSync::velmorSyncSetFollower},
    {"지금 동기화", "velmorSyncNow:", &VLVelmorSync::velmorSyncNow},
    {"동기화 상태 보기", "velmorSyncStatus:", &VLVelmorSync::velmorSyncStatus},
    {"동기화 끄기", "velmorSyncStop:", &VLVelmorSync::velmorSyncStop},
}};

}  // namespace velmor
