#include "platform/x11/xdg_login_item.h"

#include <glib.h>

#include "platform/files.h"
#include "platform/x11/desktop_entry_exec.h"

namespace velmor::x11 {

namespace {

constexpr const char* kGroup = "Desktop Entry";

}  // namespace

XdgLoginItem::XdgLoginItem(const XdgPaths& paths, std::filesystem::path program)
    : entry_(paths.configHome() / "autostart" / "velmor.desktop"), program_(std::move(program)) {}

bool XdgLoginItem::enable() {
    std::string entry = std::string("[") + kGroup + "]\n";
    entry += "Type=Application\n";
    entry += "Name=Velmor\n";
    entry += "Exec=" + execValue(program_.string()) + "\n";
    entry += "X-GNOME-Autostart-enabled=true\n";
    return files::createFolders(entry_.parent_path()) && files::writeAtomically(entry_, entry);
}

void XdgLoginItem::disable() {
    std::error_code ignored;
    std::filesystem::remove(entry_, ignored);
}

bool XdgLoginItem::isEnabled() const {
    std::error_code error;
    if (!std::filesystem::is_regular_file(entry_, error)) {
        return false;
    }
    g_autoptr(GKeyFile) entry = g_key_file_new();
    if (!g_key_file_load_from_file(entry, entry_.c_str(), G_KEY_FILE_NONE, nullptr) ||
        !g_key_file_has_group(entry, kGroup)) {
        return false;
    }
    // A missing or malformed Hidden key is no hiding.
    return !g_key_file_get_boolean(entry, kGroup, "Hidden", nullptr);
}

}  // namespace velmor::x11
