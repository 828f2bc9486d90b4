#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/macos_tables/launch_agent.h"
#include "platform/macos_tables/macos_places.h"
#include "platform/macos_tables/macos_system_actions.h"
#include "platform/platform.h"
#include "platform/sim/sim_accessibility.h"
#include "platform/sim/sim_clock.h"
#include "platform/sim/sim_event_services.h"
#include "platform/sim/sim_login_item.h"
#include "platform/sim/sim_notification_center.h"
#include "platform/sim/sim_processes.h"
#include "platform/sim/sim_recorder.h"
#include "platform/sim/sim_scheduler.h"
#include "platform/sim/sim_ui.h"
#include "platform/sim/sim_workspace.h"

namespace velmor::sim {

struct SimOptions {
    std::filesystem::path home;  // files are real under it
    bool inMemoryDefaults = false;
    std::optional<std::filesystem::path> resourceDirectory = std::nullopt;
};

// The platform where macOS is missing: deterministic, single-threaded and in memory, except
// files, which are real under the home folder. It records every request in order and
// answers from a script. The script and driving operations below reach its parts, which
// are also open to callers for anything more particular.
class SimPlatform : public platform::Platform {
public:
    static constexpr const char* kDefaultsFile = "Library/Preferences/com.brisvane.velmor.plist";

    explicit SimPlatform(SimOptions options);
    ~SimPlatform() override;
    SimPlatform(const SimPlatform&) = delete;
    SimPlatform& operator=(const SimPlatform&) = delete;

    platform::EventServices& events() override { return events_; }
    platform::Accessibility& accessibility() override { return accessibility_; }
    platform::Workspace& workspace() override { return workspace_; }
    platform::Ui& ui() override { return ui_; }
    platform::Scheduler& scheduler() override { return scheduler_; }
    platform::Processes& processes() override { return processes_; }
    platform::UserDefaults& defaults() override { return *defaults_; }
    platform::NotificationCenter& notifications() override { return notifications_; }
    platform::SystemActions& systemActions() override { return systemActions_; }
    platform::LoginItem& loginItem() override { return loginItem_; }
    SimLoginItem& simLoginItem() { return loginItem_; }
    platform::Paths& paths() override { return paths_; }
    std::filesystem::path homeDirectory() const override { return options_.home; }
    // The Mac's, as the program it models; a test plays a Linux desktop's with setConventions.
    platform::DesktopConventions conventions() const override { return conventions_; }
    void setConventions(platform::DesktopConventions conventions) { conventions_ = conventions; }

    SimEventServices& simEvents() { return events_; }
    SimAccessibility& simAccessibility() { return accessibility_; }
    SimWorkspace& simWorkspace() { return workspace_; }
    SimUi& simUi() { return ui_; }
    SimScheduler& simScheduler() { return scheduler_; }
    SimProcesses& simProcesses() { return processes_; }
    std::filesystem::path defaultsPath() const { return options_.home / kDefaultsFile; }
    // Where an unreadable settings file was moved at start; nothing with in-memory defaults.
    std::optional<std::filesystem::path> defaultsMovedAsideTo() const;

    // Records.
    const std::vector<SimRecord>& records() const { return recorder_.records(); }
    std::vector<SimRecord> recordsOfKind(std::string_view kind) const {
        return recorder_.recordsOfKind(kind);
    }
    void clearRecords() { recorder_.clear(); }
    void setRecordListener(SimRecordListener listener) {
        recorder_.setListener(std::move(listener));
    }

    // Time and queues.
    double elapsed() const { return clock_.elapsed(); }
    void advance(double seconds) { scheduler_.advance(seconds); }
    void runUntilIdle() { scheduler_.runUntilIdle(); }

    // Input and the event tap.
    platform::TapResult deliverEvent(const platform::Event& event) {
        return events_.deliverEvent(event);
    }
    bool disableTap(bool byTimeout) { return events_.disableTap(byTimeout); }
    bool disableTapSilently() { return events_.disableTapSilently(); }
    bool tapExists() const { return events_.tapExists(); }
    bool tapEnabled() const { return events_.tapEnabled(); }
    void setKeyDown(std::uint16_t keyCode, bool down) { events_.setKeyDown(keyCode, down); }
    void failNextTapCreation() { events_.failNextTapCreation(); }
    void failRunLoopSource(bool fails) { events_.setRunLoopSourceFails(fails); }
    void setSystemMayDisableTaps(bool may) { events_.setSystemMayDisableTaps(may); }
    void failEventSources(bool fail) { events_.setEventSourcesFail(fail); }
    void failEventCreations(int count) { events_.failEventCreations(count); }

    // Accessibility.
    void setTrusted(bool trusted) { accessibility_.setTrusted(trusted); }
    void setFocusedWindow(std::int32_t pid, std::optional<std::string> title) {
        accessibility_.setFocusedWindow(pid, std::move(title));
    }
    void removeFocusedWindow(std::int32_t pid) { accessibility_.removeFocusedWindow(pid); }
    bool isWindowMinimized(std::int32_t pid) const { return accessibility_.isWindowMinimized(pid); }
    void setAccessibilityOutcome(std::int32_t pid, const std::string& attribute,
                                 AxOutcome outcome) {
        accessibility_.setRequestOutcome(pid, attribute, outcome);
    }

    // Applications.
    // Makes the application run (if it did not) and be frontmost; with a window title, also
    // gives it a focused window with that title.
    void setFrontmostApplication(std::optional<std::string> bundleIdentifier, std::int32_t pid,
                                 std::optional<std::string> windowTitle = std::nullopt);
    void clearFrontmostApplication() { workspace_.setFrontmostApplication(std::nullopt); }
    void addRunningApplication(std::optional<std::string> bundleIdentifier, std::int32_t pid,
                               bool hidden = false) {
        workspace_.addRunningApplication(std::move(bundleIdentifier), pid, hidden);
    }
    void quitApplication(std::int32_t pid) { workspace_.quitApplication(pid); }
    const SimApplication* application(std::int32_t pid) const {
        return workspace_.application(pid);
    }
    void installApplication(const std::string& path, const std::string& bundleIdentifier,
                            std::optional<std::string> name = std::nullopt) {
        workspace_.installApplication(path, bundleIdentifier, std::move(name));
    }
    void setOpenURLSucceeds(bool succeeds) { workspace_.setOpenURLSucceeds(succeeds); }
    void setLaunchApplicationSucceeds(bool succeeds) {
        workspace_.setLaunchApplicationSucceeds(succeeds);
    }

    // The user's answers.
    void queueAlertAnswer(int button, double secondsOpen = 0.0) {
        ui_.queueAlertAnswer(button, secondsOpen);
    }
    void queueFieldText(std::string text) { ui_.queueFieldText(std::move(text)); }
    void queuePanelResult(std::optional<std::string> path, double secondsOpen = 0.0) {
        ui_.queuePanelResult(std::move(path), secondsOpen);
    }
    std::optional<std::string> inputStatusTitle() const { return ui_.inputStatusTitle(); }
    bool terminated() const { return ui_.terminated(); }

    // Child processes.
    void setProcessOutcome(const std::string& path, platform::ProcessOutcome outcome) {
        processes_.setProcessOutcome(path, std::move(outcome));
    }

private:
    SimOptions options_;
    SimClock clock_;
    SimRecorder recorder_{clock_};
    SimScheduler scheduler_{clock_};
    SimAccessibility accessibility_{scheduler_, recorder_};
    SimEventServices events_{scheduler_, recorder_, accessibility_};
    SimWorkspace workspace_{recorder_};
    SimUi ui_;
    SimProcesses processes_{recorder_};
    SimNotificationCenter notifications_{scheduler_, recorder_};
    macos::MacSystemActions systemActions_{events_, processes_};
    SimLoginItem loginItem_{scheduler_, options_.home};
    platform::DesktopConventions conventions_ = platform::DesktopConventions::mac;
    macos::MacPaths paths_{options_.home};
    std::unique_ptr<platform::UserDefaults> defaults_;
};

}  // namespace velmor::sim
