#include "platform/x11/terminal_ui.h"

#include "platform/x11/resource_file.h"

namespace velmor::x11 {

namespace {

constexpr int kFirstButton = 1000;

}  // namespace

std::optional<int> closingButton(const platform::Alert& alert) {
    if (alert.buttons.empty()) {
        return kFirstButton;  // shown with one button of its own
    }
    if (!alert.cancelButton || *alert.cancelButton >= alert.buttons.size()) {
        return std::nullopt;
    }
    return kFirstButton + static_cast<int>(*alert.cancelButton);
}

int unattendedButton(const platform::Alert& alert) {
    return closingButton(alert).value_or(kFirstButton);
}

TerminalUi::TerminalUi(std::ostream& out, std::function<void()> terminate)
    : out_(out), terminate_(std::move(terminate)) {}

// Where GTK cannot open the display there is no tray to show the menu in.
void TerminalUi::showStatusItem(const platform::StatusItem&,
                                const std::vector<platform::MenuItem>&) {}

void TerminalUi::menuItemChanged(const platform::MenuItem&) {}

void TerminalUi::submenuChanged(const platform::MenuItem&) {}

platform::AlertResponse TerminalUi::runModalAlert(const platform::Alert& alert) {
    out_ << "velmor: " << alert.message << '\n';
    if (!alert.informative.empty()) {
        out_ << "  " << alert.informative << '\n';
    }
    out_.flush();
    return platform::AlertResponse{unattendedButton(alert), {}};
}

std::optional<std::string> TerminalUi::runOpenPanel(const platform::OpenPanel&) {
    return std::nullopt;
}

void TerminalUi::setActivationPolicy(platform::ActivationPolicy) {}

void TerminalUi::activateIgnoringOtherApps() {}

void TerminalUi::terminateApplication() {
    if (terminate_) {
        terminate_();
    }
}

std::optional<std::string> TerminalUi::resourcePath(const std::string& name,
                                                    const std::string& type) {
    return resourceFile(name, type);
}

}  // namespace velmor::x11
