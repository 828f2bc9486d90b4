#include "platform/x11/tray_menu.h"

namespace velmor::x11 {

using Shown = TrayMenu::Shown;

struct TrayMenu::Shown {
    Shown() = default;
    Shown(const Shown&) = delete;
    Shown& operator=(const Shown&) = delete;
    ~Shown() {
        if (activated != 0) {
            g_signal_handler_disconnect(widget.get(), activated);
        }
    }

    platform::MenuItem item;
    GObjectPtr<GtkWidget> widget;
    gulong activated = 0;
    GtkMenu* submenu = nullptr;  // owned by the widget
    std::list<Shown> children;
};

namespace {

bool wantsCheckMark(const platform::MenuItem& item) {
    return item.checked && item.submenu.empty() && item.submenuTitle.empty();
}

bool hasSubmenu(const platform::MenuItem& item) {
    return !item.submenu.empty() || !item.submenuTitle.empty();
}

// Changing a check item's state activates it in GTK; the program's handler must not run then.
void setCheckMark(Shown& shown, bool checked) {
    if (!GTK_IS_CHECK_MENU_ITEM(shown.widget.get())) {
        return;
    }
    GtkCheckMenuItem* check = GTK_CHECK_MENU_ITEM(shown.widget.get());
    if (gtk_check_menu_item_get_active(check) == static_cast<gboolean>(checked)) {
        return;
    }
    g_signal_handler_block(check, shown.activated);
    gtk_check_menu_item_set_active(check, checked);
    g_signal_handler_unblock(check, shown.activated);
}

void activated(GtkMenuItem*, gpointer data) {
    auto& shown = *static_cast<Shown*>(data);
    setCheckMark(shown, shown.item.checked);
    // GTK activates a submenu's item to open the submenu; that is not a choice.
    if (!shown.item.enabled || !shown.item.handler || shown.submenu != nullptr) {
        return;
    }
    // A copy: the handler may replace the menu this item lives in.
    const platform::MenuItem chosen = shown.item;
    chosen.handler(chosen);
}

GtkWidget* newItemWidget(const platform::MenuItem& item) {
    if (item.separator) {
        return gtk_separator_menu_item_new();
    }
    if (wantsCheckMark(item)) {
        GtkWidget* check = gtk_check_menu_item_new_with_label(item.title.c_str());
        gtk_check_menu_item_set_active(GTK_CHECK_MENU_ITEM(check), TRUE);
        return check;
    }
    return gtk_menu_item_new_with_label(item.title.c_str());
}

void fill(GtkMenu* menu, std::list<Shown>& shown, const std::vector<platform::MenuItem>& items);

void build(Shown& shown, const platform::MenuItem& item) {
    shown.item = item;
    shown.widget = holdObject(newItemWidget(item));
    gtk_widget_set_sensitive(shown.widget.get(), item.enabled);
    if (hasSubmenu(item) && !item.separator) {
        shown.submenu = GTK_MENU(gtk_menu_new());
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(shown.widget.get()), GTK_WIDGET(shown.submenu));
        fill(shown.submenu, shown.children, item.submenu);
    }
    if (!item.separator) {
        shown.activated =
            g_signal_connect(shown.widget.get(), "activate", G_CALLBACK(activated), &shown);
    }
    gtk_widget_show(shown.widget.get());
}

void fill(GtkMenu* menu, std::list<Shown>& shown, const std::vector<platform::MenuItem>& items) {
    for (const platform::MenuItem& item : items) {
        Shown& added = shown.emplace_back();
        build(added, item);
        gtk_menu_shell_append(GTK_MENU_SHELL(menu), added.widget.get());
    }
}

void clear(GtkMenu* menu, std::list<Shown>& shown) {
    for (Shown& item : shown) {
        gtk_container_remove(GTK_CONTAINER(menu), item.widget.get());
    }
    shown.clear();
}

Shown* find(std::list<Shown>& items, const std::string& identifier) {
    for (Shown& shown : items) {
        if (shown.item.identifier == identifier) {
            return &shown;
        }
        if (Shown* found = find(shown.children, identifier)) {
            return found;
        }
    }
    return nullptr;
}

// A plain item that gains a check mark becomes a check item in the same place.
void rebuildInPlace(Shown& shown, const platform::MenuItem& item) {
    GtkWidget* old = shown.widget.get();
    GtkContainer* menu = GTK_CONTAINER(gtk_widget_get_parent(old));
    GList* siblings = gtk_container_get_children(menu);
    const gint position = g_list_index(siblings, old);
    g_list_free(siblings);
    g_signal_handler_disconnect(old, shown.activated);
    shown.activated = 0;
    shown.children.clear();
    gtk_container_remove(menu, old);
    build(shown, item);
    gtk_menu_shell_insert(GTK_MENU_SHELL(menu), shown.widget.get(), position);
}

}  // namespace

TrayMenu::TrayMenu() : root_(holdObject(GTK_MENU(gtk_menu_new()))) {}

TrayMenu::~TrayMenu() = default;

void TrayMenu::show(const std::vector<platform::MenuItem>& items) {
    clear(root_.get(), items_);
    fill(root_.get(), items_, items);
}

void TrayMenu::itemChanged(const platform::MenuItem& item) {
    Shown* shown = item.identifier.empty() ? nullptr : find(items_, item.identifier);
    if (shown == nullptr) {
        return;
    }
    platform::MenuItem changed = item;
    if (!changed.handler) {
        changed.handler = shown->item.handler;
    }
    if (changed.checked && !GTK_IS_CHECK_MENU_ITEM(shown->widget.get())) {
        rebuildInPlace(*shown, changed);
        return;
    }
    shown->item = changed;
    if (!changed.separator) {
        gtk_menu_item_set_label(GTK_MENU_ITEM(shown->widget.get()), changed.title.c_str());
    }
    gtk_widget_set_sensitive(shown->widget.get(), changed.enabled);
    setCheckMark(*shown, changed.checked);
}

void TrayMenu::submenuChanged(const platform::MenuItem& parent) {
    Shown* shown = parent.identifier.empty() ? nullptr : find(items_, parent.identifier);
    if (shown == nullptr || shown->item.separator) {
        return;
    }
    shown->item.submenu = parent.submenu;
    if (shown->submenu == nullptr) {
        shown->submenu = GTK_MENU(gtk_menu_new());
        gtk_menu_item_set_submenu(GTK_MENU_ITEM(shown->widget.get()), GTK_WIDGET(shown->submenu));
    }
    clear(shown->submenu, shown->children);
    fill(shown->submenu, shown->children, parent.submenu);
}

}  // namespace velmor::x11
