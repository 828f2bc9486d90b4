#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "platform/ui.h"
#include "platform/user_defaults.h"

namespace velmor {

// Names of the menu actions the delegate performs.
namespace menu_action {
inline constexpr std::string_view kRestartInput = "restartInput:";
inline constexpr std::string_view kToggleVolumeWheelDirection = "toggleVolumeWheelDirection:";
inline constexpr std::string_view kToggleMiddleClickCapture = "toggleMiddleClickCapture:";
inline constexpr std::string_view kShowHelp = "showHelp:";
inline constexpr std::string_view kShowSettings = "showSettings:";
inline constexpr std::string_view kToggleLaunchAtLogin = "toggleLaunchAtLogin:";
inline constexpr std::string_view kRecheckPermission = "recheckPermission:";
inline constexpr std::string_view kQuit = "quit:";
}  // namespace menu_action

// Identifiers of the items the program changes later.
namespace menu_id {
inline constexpr std::string_view kInputStatus = "input-status";
inline constexpr std::string_view kVolumeDirection = "volume-direction";
inline constexpr std::string_view kMiddleClickCapture = "middle-click-capture";
inline constexpr std::string_view kLaunchAtLogin = "launch-at-login";
}  // namespace menu_id

// The status-bar button: the template image, or the text "VL" when the image is missing.
platform::StatusItem VLMakeStatusBarItem(const std::optional<std::string>& imagePath);

// The thirteen items of the status menu, with the alphabet and sync submenus; the volume
// direction's check mark is read from the settings here, launch at login is set later. A
// Linux desktop's menu has its own words, and the middle click's capture as an item.
std::vector<platform::MenuItem> VLMakeStatusMenu(const platform::UserDefaults& defaults,
                                                 platform::DesktopConventions conventions);

// Gives every item with an action, submenus included, the handler.
void VLAttachMenuHandler(std::vector<platform::MenuItem>& items,
                         const platform::MenuHandler& handler);

// The item with that identifier, searched through the submenus too.
platform::MenuItem* VLFindMenuItem(std::vector<platform::MenuItem>& menu,
                                   std::string_view identifier);
const platform::MenuItem* VLFindMenuItem(const std::vector<platform::MenuItem>& menu,
                                         std::string_view identifier);

platform::Alert VLHelpAlert(platform::DesktopConventions conventions);
platform::Alert VLSettingsAlert(bool launchAtLogin, bool trusted,
                                platform::DesktopConventions conventions);

}  // namespace velmor
