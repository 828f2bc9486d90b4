#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui.h"

namespace velmor::macos {

// Where an item sits: its index in the menu, then in each submenu down to it.
using MenuPath = std::vector<std::size_t>;

// What one native menu item shows for an item of the program's menu.
struct MenuItemLook {
    bool separator = false;
    std::string title;
    bool enabled = true;
    bool checkMark = false;
    std::string keyEquivalent;  // with the Command key
    bool hasSubmenu = false;
    std::string submenuTitle;
};

MenuItemLook lookOf(const platform::MenuItem& item);

// The status menu as the program describes it, kept as a native menu shows it: items by
// their place, later changes found by identifier, a choice handed to the item's handler.
// Main thread only.
class MenuModel {
public:
    void show(std::vector<platform::MenuItem> items) { items_ = std::move(items); }
    const std::vector<platform::MenuItem>& items() const { return items_; }

    // The item with the same identifier takes the new title, state and check mark, and keeps
    // its handler and submenu unless the change brings them. Where it sits; nothing when no
    // item has the identifier.
    std::optional<MenuPath> change(const platform::MenuItem& item);
    // The item with the parent's identifier takes the parent's submenu; where it sits.
    std::optional<MenuPath> replaceSubmenu(const platform::MenuItem& parent);

    const platform::MenuItem* itemAt(const MenuPath& path) const;
    // The place reached by these exact titles, menu by menu; nothing when none is.
    std::optional<MenuPath> pathOfTitles(const std::vector<std::string>& titles) const;
    // The user chose the item: its handler runs with a copy of the item as shown. False, and
    // nothing runs, for a disabled item, a separator, an item that opens a submenu, one
    // without a handler, or a place that holds no item.
    bool choose(const MenuPath& path) const;

private:
    std::optional<MenuPath> pathOf(const std::string& identifier) const;
    platform::MenuItem* mutableItemAt(const MenuPath& path);

    std::vector<platform::MenuItem> items_;
};

}  // namespace velmor::macos
