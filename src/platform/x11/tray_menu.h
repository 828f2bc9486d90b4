#pragma once

#include <gtk/gtk.h>

#include <list>
#include <vector>

#include "platform/ui.h"
#include "platform/x11/g_object_ptr.h"

namespace velmor::x11 {

// The status menu as GTK widgets, built from the program's items. Choosing an item calls its
// handler with the item as shown; a check mark the menu toggles by itself is put back, since
// the program says through itemChanged what the mark is. Main thread only.
class TrayMenu {
public:
    TrayMenu();
    ~TrayMenu();
    TrayMenu(const TrayMenu&) = delete;
    TrayMenu& operator=(const TrayMenu&) = delete;

    GtkMenu* widget() const { return root_.get(); }

    void show(const std::vector<platform::MenuItem>& items);
    // The item with the same identifier takes the new title, state and check mark; its
    // handler stays unless the new item brings one.
    void itemChanged(const platform::MenuItem& item);
    void submenuChanged(const platform::MenuItem& parent);

    struct Shown;  // an item and its widget, inside

private:
    GObjectPtr<GtkMenu> root_;
    std::list<Shown> items_;
};

}  // namespace velmor::x11
