#pragma once

#include <deque>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/sim/sim_recorder.h"
#include "platform/sim/sim_scheduler.h"
#include "platform/ui.h"

namespace velmor::sim {

// The simulated user interface: the status item and its menu are kept, alerts and panels
// are answered at once from queued answers, as the user would have answered them.
class SimUi : public platform::Ui {
public:
    SimUi(SimScheduler& scheduler, SimRecorder& recorder,
          std::optional<std::filesystem::path> resourceDirectory)
        : scheduler_(scheduler),
          recorder_(recorder),
          resourceDirectory_(std::move(resourceDirectory)) {}

    void showStatusItem(const platform::StatusItem& item,
                        const std::vector<platform::MenuItem>& menu) override;
    void menuItemChanged(const platform::MenuItem& item) override;
    void submenuChanged(const platform::MenuItem& parent) override;
    // Presses the next queued button (clamped to the buttons the alert has), else the first.
    platform::AlertResponse runModalAlert(const platform::Alert& alert) override;
    // The next queued result, else cancel.
    std::optional<std::string> runOpenPanel(const platform::OpenPanel& panel) override;
    // Kept, not recorded: the macOS program sets it once before anything else happens.
    void setActivationPolicy(platform::ActivationPolicy policy) override {
        scheduler_.requireMainThread("setActivationPolicy");
        policy_ = policy;
    }
    platform::ActivationPolicy activationPolicy() const { return policy_; }
    void activateIgnoringOtherApps() override {
        scheduler_.requireMainThread("activateIgnoringOtherApps");
        recorder_.record("activate-self");
    }
    void terminateApplication() override;
    std::optional<std::string> resourcePath(const std::string& name,
                                            const std::string& type) override;

    // The user keeps the alert or panel open for secondsOpen virtual seconds.
    void queueAlertAnswer(int button, double secondsOpen = 0.0);
    void queueFieldText(std::string text) { fieldTexts_.push_back(std::move(text)); }
    void queuePanelResult(std::optional<std::string> path, double secondsOpen = 0.0);
    // Answers queued but never asked for: a script that expected more alerts or panels.
    std::size_t unusedAlertAnswers() const { return alertAnswers_.size(); }
    std::size_t unusedFieldTexts() const { return fieldTexts_.size(); }
    std::size_t unusedPanelResults() const { return panelResults_.size(); }

    // The user chooses the item at this path of exact titles, as a click on a real menu:
    // the item's handler runs as a callback on the main thread. Blocks it queues wait.
    enum class MenuChoice { chosen, notFound, opensSubmenu, disabled };
    MenuChoice chooseMenuItem(std::span<const std::string> titlePath);

    const std::optional<platform::StatusItem>& statusItem() const { return statusItem_; }
    // The menu as shown, with every later change applied.
    const std::vector<platform::MenuItem>& menu() const { return menu_; }
    // The title of the item with identifier "input-status"; nothing before the menu exists.
    std::optional<std::string> inputStatusTitle() const;
    bool terminated() const { return terminated_; }

private:
    struct AlertAnswer {
        int button = 1000;
        double secondsOpen = 0.0;
    };
    struct PanelResult {
        std::optional<std::string> path;
        double secondsOpen = 0.0;
    };

    void keepOpen(double seconds);

    SimScheduler& scheduler_;
    SimRecorder& recorder_;
    std::optional<std::filesystem::path> resourceDirectory_;
    std::deque<AlertAnswer> alertAnswers_;
    std::deque<std::string> fieldTexts_;
    std::deque<PanelResult> panelResults_;
    std::optional<platform::StatusItem> statusItem_;
    std::vector<platform::MenuItem> menu_;
    bool terminated_ = false;
    platform::ActivationPolicy policy_ = platform::ActivationPolicy::regular;
};

}  // namespace velmor::sim
