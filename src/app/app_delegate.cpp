#include "app/app_delegate.h"

#include "app/app_texts.h"
#include "app/status_menu.h"
#include "gestures/help_notification.h"
#include "letters/studio_notifications.h"

namespace velmor {

namespace {

constexpr double kPermissionPollSeconds = 1.0;
constexpr double kSyncTickSeconds = 30.0;

platform::Alert oneButtonAlert(std::string_view message, std::string_view informative) {
    platform::Alert alert;
    alert.message = message;
    alert.informative = informative;
    alert.buttons = {std::string(app_text::kOkButton)};
    alert.cancelButton = 0;
    return alert;
}

}  // namespace

VLAppDelegate::VLAppDelegate(platform::Platform& platform)
    : platform_(platform), velmorSync_(platform, *this) {}

VLAppDelegate::~VLAppDelegate() = default;

void VLAppDelegate::applicationDidFinishLaunching() {
    registerObservers();
    makeStatusItem();
    prepareLaunchAtLogin();
    velmorSyncTimer_ = platform_.scheduler().scheduleRepeatingTimer(
        kSyncTickSeconds, [this] { velmorSyncTick(); }, platform::TimerMode::pausesDuringModal);
    velmorSyncTick();
    checkPermissionAndStart(true);
}

void VLAppDelegate::registerObservers() {
    platform::NotificationCenter& center = platform_.notifications();
    const auto observe = [&](std::string name, platform::NotificationObserver observer) {
        observers_.push_back(center.addObserver(name, std::move(observer)));
    };
    observe("VLOpenSettings", [this](const platform::Notification&) { showSettings(); });
    observe(std::string(kShowHelpNotification),
            [this](const platform::Notification&) { showHelp(); });
    observe(std::string(kStudioProgressNotification),
            [this](const platform::Notification& note) { studioProgress(note); });
    observe(std::string(kStudioRejectedNotification),
            [this](const platform::Notification& note) { studioRejected(note); });
}

void VLAppDelegate::checkPermissionAndStart(bool prompt) {
    platform::Accessibility& accessibility = platform_.accessibility();
    if (accessibility.hasInputPermission()) {
        setInputStatus(app_text::kStatusStarting);
        startMouseTap();
        return;
    }
    if (prompt) {
        accessibility.checkInputPermission(true);
    }
    const platform::DesktopConventions conventions = platform_.conventions();
    showAlert(oneButtonAlert(app_text::kPermissionMessage.on(conventions),
                             app_text::kPermissionInformative.on(conventions)));
    // At most one poll: a second check replaces the first timer.
    if (permissionTimer_) {
        permissionTimer_->invalidate();
    }
    permissionTimer_ = platform_.scheduler().scheduleRepeatingTimer(
        kPermissionPollSeconds, [this] { permissionTimerFired(); },
        platform::TimerMode::pausesDuringModal);
}

void VLAppDelegate::permissionTimerFired() {
    if (!platform_.accessibility().hasInputPermission()) {
        return;
    }
    if (permissionTimer_) {
        permissionTimer_->invalidate();
        permissionTimer_.reset();
    }
    setInputStatus(app_text::kStatusStarting);
    startMouseTap();
}

void VLAppDelegate::startMouseTap() {
    if (mouseController_) {
        mouseController_->ensureEventTapEnabled();
        setInputStatus(app_text::kStatusRunning);
        return;
    }
    auto controller = std::make_unique<VLMouseController>(platform_);
    if (controller->start()) {
        mouseController_ = std::move(controller);
        setInputStatus(app_text::kStatusRunning);
        return;
    }
    // Dropping the controller releases whatever its start made; there is no retry.
    controller.reset();
    setInputStatus(app_text::kStatusStartFailed);
    showAlert(oneButtonAlert(app_text::kStartFailedMessage,
                             app_text::kStartFailedInformative.on(platform_.conventions())));
}

void VLAppDelegate::restartInput() {
    if (!platform_.accessibility().hasInputPermission()) {
        setInputStatus(app_text::kStatusPermissionNeeded);
        checkPermissionAndStart(true);
        return;
    }
    if (!mouseController_) {
        startMouseTap();
        return;
    }
    mouseController_->ensureEventTapEnabled();
    setInputStatus(mouseController_->isEventTapEnabled() ? app_text::kStatusRunning
                                                         : app_text::kStatusRestartFailed);
}

void VLAppDelegate::recheckPermission() {
    checkPermissionAndStart(true);
}

void VLAppDelegate::quit() {
    platform_.ui().terminateApplication();
}

void VLAppDelegate::setInputStatus(std::string_view title) {
    changeMenuItem(menu_id::kInputStatus, std::string(title), false);
}

void VLAppDelegate::showAlert(const platform::Alert& alert) {
    platform_.ui().activateIgnoringOtherApps();
    platform_.ui().runModalAlert(alert);
}

}  // namespace velmor
