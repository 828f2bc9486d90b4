#include "platform/macos_tables/menu_model.h"

namespace velmor::macos {

namespace {

bool opensSubmenu(const platform::MenuItem& item) {
    return !item.submenu.empty() || !item.submenuTitle.empty();
}

bool findPath(const std::vector<platform::MenuItem>& items, const std::string& identifier,
              MenuPath& path) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        path.push_back(i);
        if (items[i].identifier == identifier || findPath(items[i].submenu, identifier, path)) {
            return true;
        }
        path.pop_back();
    }
    return false;
}

}  // namespace

MenuItemLook lookOf(const platform::MenuItem& item) {
    MenuItemLook look;
    if (item.separator) {
        look.separator = true;
        return look;
    }
    look.title = item.title;
    look.enabled = item.enabled;
    look.hasSubmenu = opensSubmenu(item);
    // A check mark belongs to an item that does something; a submenu's item only opens it.
    look.checkMark = item.checked && !look.hasSubmenu;
    look.keyEquivalent = item.keyEquivalent;
    look.submenuTitle = item.submenuTitle.empty() ? item.title : item.submenuTitle;
    return look;
}

std::optional<MenuPath> MenuModel::pathOf(const std::string& identifier) const {
    MenuPath path;
    if (identifier.empty() || !findPath(items_, identifier, path)) {
        return std::nullopt;
    }
    return path;
}

const platform::MenuItem* MenuModel::itemAt(const MenuPath& path) const {
    const std::vector<platform::MenuItem>* level = &items_;
    const platform::MenuItem* item = nullptr;
    for (const std::size_t index : path) {
        if (index >= level->size()) {
            return nullptr;
        }
        item = &(*level)[index];
        level = &item->submenu;
    }
    return item;
}

std::optional<MenuPath> MenuModel::pathOfTitles(const std::vector<std::string>& titles) const {
    MenuPath path;
    const std::vector<platform::MenuItem>* level = &items_;
    for (const std::string& title : titles) {
        std::size_t index = 0;
        while (index < level->size() && (*level)[index].title != title) {
            ++index;
        }
        if (index == level->size()) {
            return std::nullopt;
        }
        path.push_back(index);
        level = &(*level)[index].submenu;
    }
    return path;
}

platform::MenuItem* MenuModel::mutableItemAt(const MenuPath& path) {
    return const_cast<platform::MenuItem*>(itemAt(path));
}

std::optional<MenuPath> MenuModel::change(const platform::MenuItem& item) {
    const std::optional<MenuPath> path = pathOf(item.identifier);
    if (!path) {
        return std::nullopt;
    }
    platform::MenuItem& shown = *mutableItemAt(*path);
    platform::MenuItem changed = item;
    if (!changed.handler) {
        changed.handler = shown.handler;
    }
    if (changed.submenu.empty()) {
        changed.submenu = std::move(shown.submenu);
    }
    shown = std::move(changed);
    return path;
}

std::optional<MenuPath> MenuModel::replaceSubmenu(const platform::MenuItem& parent) {
    const std::optional<MenuPath> path = pathOf(parent.identifier);
    if (path) {
        mutableItemAt(*path)->submenu = parent.submenu;
    }
    return path;
}

bool MenuModel::choose(const MenuPath& path) const {
    const platform::MenuItem* item = itemAt(path);
    if (item == nullptr || item->separator || !item->enabled || opensSubmenu(*item) ||
        !item->handler) {
        return false;
    }
    // A copy: the handler may replace the menu the item lives in.
    const platform::MenuItem chosen = *item;
    chosen.handler(chosen);
    return true;
}

}  // namespace velmor::macos
