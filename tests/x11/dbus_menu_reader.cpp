#include "x11/dbus_menu_reader.h"

#include <gio/gio.h>

#include <memory>

namespace velmor::x11::testing {
namespace {

constexpr int kAnswerMilliseconds = 10000;
constexpr const char* kMenuInterface = "com.canonical.dbusmenu";

struct VariantUnref {
    void operator()(GVariant* variant) const { g_variant_unref(variant); }
};
using Variant = std::unique_ptr<GVariant, VariantUnref>;

Variant call(const std::string& bus, const std::string& path, const char* interface,
             const char* method, GVariant* parameters) {
    GDBusConnection* connection = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    if (connection == nullptr) {
        return nullptr;
    }
    Variant answer(g_dbus_connection_call_sync(connection, bus.c_str(), path.c_str(), interface,
                                               method, parameters, nullptr, G_DBUS_CALL_FLAGS_NONE,
                                               kAnswerMilliseconds, nullptr, nullptr));
    g_object_unref(connection);
    return answer;
}

MenuNode node(GVariant* layout) {
    MenuNode read;
    GVariant* properties = nullptr;
    GVariant* children = nullptr;
    g_variant_get(layout, "(i@a{sv}@av)", &read.id, &properties, &children);
    const char* text = nullptr;
    if (g_variant_lookup(properties, "label", "&s", &text)) {
        read.label = text;
    }
    if (g_variant_lookup(properties, "type", "&s", &text)) {
        read.type = text;
    }
    if (g_variant_lookup(properties, "toggle-type", "&s", &text)) {
        read.toggleType = text;
    }
    g_variant_lookup(properties, "toggle-state", "i", &read.toggleState);
    gboolean enabled = TRUE;
    g_variant_lookup(properties, "enabled", "b", &enabled);
    read.enabled = enabled != FALSE;
    for (gsize i = 0; i < g_variant_n_children(children); ++i) {
        GVariant* boxed = g_variant_get_child_value(children, i);
        GVariant* child = g_variant_get_variant(boxed);
        read.children.push_back(node(child));
        g_variant_unref(child);
        g_variant_unref(boxed);
    }
    g_variant_unref(properties);
    g_variant_unref(children);
    return read;
}

}  // namespace

std::optional<std::string> DbusMenuReader::itemProperty(const char* name) const {
    const Variant answer = call(busName_, itemPath_, "org.freedesktop.DBus.Properties", "Get",
                                g_variant_new("(ss)", "org.kde.StatusNotifierItem", name));
    if (!answer) {
        return std::nullopt;
    }
    GVariant* value = nullptr;
    g_variant_get(answer.get(), "(v)", &value);
    std::string text = g_variant_get_string(value, nullptr);
    g_variant_unref(value);
    return text;
}

std::optional<MenuNode> DbusMenuReader::layout(const std::string& menuPath) const {
    const char* noProperties[] = {nullptr};
    const Variant answer = call(busName_, menuPath, kMenuInterface, "GetLayout",
                                g_variant_new("(ii^as)", 0, -1, noProperties));
    if (!answer) {
        return std::nullopt;
    }
    GVariant* root = g_variant_get_child_value(answer.get(), 1);
    MenuNode menu = node(root);
    g_variant_unref(root);
    return menu;
}

bool DbusMenuReader::aboutToShow(const std::string& menuPath, int id) const {
    return call(busName_, menuPath, kMenuInterface, "AboutToShow", g_variant_new("(i)", id)) !=
           nullptr;
}

bool DbusMenuReader::event(const std::string& menuPath, int id, const char* name) const {
    return call(busName_, menuPath, kMenuInterface, "Event",
                g_variant_new("(isvu)", id, name, g_variant_new_int32(0), 0u)) != nullptr;
}

const MenuNode* findLabel(const MenuNode& menu, const std::string& label) {
    if (menu.label == label) {
        return &menu;
    }
    for (const MenuNode& child : menu.children) {
        if (const MenuNode* found = findLabel(child, label)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace velmor::x11::testing
