#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/macos_tables/menu_model.h"
#include "platform/ui.h"

namespace velmor::macos {

// AppKit: the status item in the system status bar with its menu, alerts with an optional
// text field, open panels, and the application's activation. Main thread only.
class MacUi : public platform::Ui {
public:
    MacUi();
    ~MacUi() override;
    MacUi(const MacUi&) = delete;
    MacUi& operator=(const MacUi&) = delete;

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

    // What the menu does when the user opens it, and when the user chooses an item.
    void menuWillOpen();
    bool choose(const MenuPath& path);
    // The place of the item reached by these titles, menu by menu; nothing when none is.
    std::optional<MenuPath> pathOfTitles(const std::vector<std::string>& titles) const;

private:
    struct Native;  // the AppKit objects
    std::unique_ptr<Native> native_;
    MenuModel model_;
    platform::StatusItem statusItem_;
};

}  // namespace velmor::macos
