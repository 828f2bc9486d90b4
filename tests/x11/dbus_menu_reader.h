#pragma once

#include <optional>
#include <string>
#include <vector>

namespace velmor::x11::testing {

// A menu as a tray host reads it over D-Bus.
struct MenuNode {
    int id = 0;
    std::string label;
    std::string type;        // "separator" or empty
    std::string toggleType;  // "checkmark" or empty
    int toggleState = 0;
    bool enabled = true;
    std::vector<MenuNode> children;
};

// A tray host's calls on the session bus. They block, so they are made off the thread whose
// main context serves the item.
class DbusMenuReader {
public:
    DbusMenuReader(std::string busName, std::string itemPath)
        : busName_(std::move(busName)), itemPath_(std::move(itemPath)) {}

    // A text (or object path) property of the item: "Menu", "IconName", ...
    std::optional<std::string> itemProperty(const char* name) const;
    std::optional<std::string> menuPath() const { return itemProperty("Menu"); }
    std::optional<MenuNode> layout(const std::string& menuPath) const;
    bool aboutToShow(const std::string& menuPath, int id) const;
    bool clicked(const std::string& menuPath, int id) const {
        return event(menuPath, id, "clicked");
    }
    bool event(const std::string& menuPath, int id, const char* name) const;

private:
    std::string busName_;
    std::string itemPath_;
};

// The first node with the label, searched depth first.
const MenuNode* findLabel(const MenuNode& menu, const std::string& label);

}  // namespace velmor::x11::testing
