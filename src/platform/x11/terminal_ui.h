#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace velmor::x11 {

// The program's face where GTK cannot open the display: alerts are told on the terminal and
// answered as a person who closes them would, panels are cancelled, and there is no menu.
// Main thread only.
class TerminalUi : public platform::Ui {
public:
    // `terminate` ends the program's main loop.
    TerminalUi(std::ostream& out, std::function<void()> terminate);

    void showStatusItem(const platform::StatusItem& item,
                        const std::vector<platform::MenuItem>& menu) override;
    void menuItemChanged(const platform::MenuItem& item) override;
    void submenuChanged(const platform::MenuItem& parent) override;
    platform::AlertResponse runModalAlert(const platform::Alert& alert) override;
    std::optional<std::string> runOpenPanel(const platform::OpenPanel& panel) override;
    void setActivationPolicy(platform::ActivationPolicy policy) override;
    void activateIgnoringOtherApps() override;
    void terminateApplication() override;
    std::optional<std::string> resourcePath(const std::string& name,
                                            const std::string& type) override;

private:
    std::ostream& out_;
    std::function<void()> terminate_;
};

// What closing the alert answers: its button that changes nothing; nothing where every
// button does something.
std::optional<int> closingButton(const platform::Alert& alert);
// What an alert nobody can see answers: the one that changes nothing, else the first.
int unattendedButton(const platform::Alert& alert);

}  // namespace velmor::x11
