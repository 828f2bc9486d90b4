#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "input/mouse_controller.h"
#include "platform/platform.h"
#include "studio/studio_host.h"
#include "sync/velmor_sync.h"

namespace velmor {

// The application delegate: start-up, the accessibility permission and the input status,
// the status menu with its alerts, launch at login, the letter dialogs and Velmor Sync.
// Lives as long as the process; timers and observers refer to it.
class VLAppDelegate final : public VLStudioHost {
public:
    explicit VLAppDelegate(platform::Platform& platform);
    ~VLAppDelegate() override;
    VLAppDelegate(const VLAppDelegate&) = delete;
    VLAppDelegate& operator=(const VLAppDelegate&) = delete;

    // Start-up and permission.
    void applicationDidFinishLaunching();
    void checkPermissionAndStart(bool prompt);
    void permissionTimerFired();
    void startMouseTap();
    void restartInput();
    void recheckPermission();
    void quit();

    // Status menu and help.
    void makeStatusItem();
    void toggleVolumeWheelDirection(const platform::MenuItem& sender);
    void toggleMiddleClickCapture(const platform::MenuItem& sender);
    void updateLoginMenuState();
    void showHelp();
    void showSettings();

    // Launch at login.
    bool writeLaunchAgent();
    void removeLaunchAgent();
    void prepareLaunchAtLogin();
    void toggleLaunchAtLogin();

    // Alphabet menu, letter dialogs and notices.
    void refreshAlphabetMenu() override;
    void configureLetter(const platform::MenuItem& sender);
    void studioNotice(const std::string& title, const std::string& detail) override;
    void studioProgress(const platform::Notification& notification);
    void studioRejected(const platform::Notification& notification);

    void velmorSyncTick();

    // Applications in which gestures are off.
    void refreshExclusionMenu();
    void excludeApplication(const platform::MenuItem& sender);
    void includeApplication(const platform::MenuItem& sender);

    // Performs the item's named action, as the menu does when the user chooses it; false
    // when the item has no action the delegate knows or is disabled.
    bool performMenuAction(const platform::MenuItem& item);

    const platform::StatusItem& statusItem() const { return statusItem_; }
    const std::vector<platform::MenuItem>& statusMenu() const { return statusMenu_; }
    const VLMouseController* mouseController() const { return mouseController_.get(); }
    const platform::Timer* permissionTimer() const { return permissionTimer_.get(); }
    const platform::Timer* velmorSyncTimer() const { return velmorSyncTimer_.get(); }
    VLVelmorSync& velmorSync() { return velmorSync_; }

private:
    void registerObservers();
    void setInputStatus(std::string_view title);
    // Changes one item of the menu and tells the platform.
    void changeMenuItem(std::string_view identifier, const std::string& title, bool checked);
    void showAlert(const platform::Alert& alert);
    bool performSyncAction(std::string_view action);
    platform::MenuHandler menuHandler();
    platform::MenuItem makeExclusionMenuItem();
    std::string applicationDisplayName(const std::string& id);

    platform::Platform& platform_;
    platform::StatusItem statusItem_;
    std::vector<platform::MenuItem> statusMenu_;
    std::unique_ptr<VLMouseController> mouseController_;
    std::unique_ptr<platform::Timer> permissionTimer_;
    std::unique_ptr<platform::Timer> velmorSyncTimer_;
    VLVelmorSync velmorSync_;
    // Last, so the observers go first when the delegate goes.
    std::vector<std::unique_ptr<platform::ObserverToken>> observers_;
};

}  // namespace velmor
