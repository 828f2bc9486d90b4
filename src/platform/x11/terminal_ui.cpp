#include "platform/x11/terminal_ui.h"

#include "platform/x11/resource_file.h"

namespace velmor::x11 {

namespace {

constexpr int kFirstButton = 1000;

platform::MenuItem* findItem(std::vector<platform::MenuItem>& items,
                             const std::string& identifier) {
    for (platform::MenuItem& item : items) {
        if (!identifier.empty() && item.identifier == identifier) {
            return &item;
        }
        if (platform::MenuItem* found = findItem(item.submenu, identifier)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

int closingButton(const platform::Alert& alert) {
    if (alert.buttons.empty()) {
        return kFirstButton;
    }
    return kFirstButton + static_cast<int>(alert.buttons.size()) - 1;
}

TerminalUi::TerminalUi(std::ostream& out, std::function<void()> terminate)
    : out_(out), terminate_(std::move(terminate)) {}

void TerminalUi::showStatusItem(const platform::StatusItem&,
                                const std::vector<platform::MenuItem>& menu) {
    menu_ = menu;
}

void TerminalUi::menuItemChanged(const platform::MenuItem& item) {
    if (platform::MenuItem* shown = findItem(menu_, item.identifier)) {
        *shown = item;
    }
}

void TerminalUi::submenuChanged(const platform::MenuItem& parent) {
    menuItemChanged(parent);
}

platform::AlertResponse TerminalUi::runModalAlert(const platform::Alert& alert) {
    out_ << "velmor: " << alert.message << '\n';
    if (!alert.informative.empty()) {
        out_ << "  " << alert.informative << '\n';
    }
    out_.flush();
    return platform::AlertResponse{closingButton(alert), {}};
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
