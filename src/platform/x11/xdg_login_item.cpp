#include "platform/x11/xdg_login_item.h"

#include <glib.h>

#include "platform/files.h"
#include "platform/x11/desktop_entry_exec.h"

namespace velmor::x11 {

namespace {

constexpr const char* kGroup = "Desktop Entry";

}  // namespace

XdgLoginItem::XdgLoginItem(const XdgPaths& paths, std::filesystem::path program, bool installed)
    : entry_(paths.configHome() / "autostart" / "velmor.desktop"),
      program_(std::move(program)),
      installed_(installed) {}

bool XdgLoginItem::enable() {
    if (!installed_) {
        return false;  // a build folder goes away; the session would start a missing program
    }
    std::string entry = std::string("[") + kGroup + "]\n";
    entry += "Type=Application\n";
    entry += "Name=Velmor\n";
    entry += "Comment=Mouse gestures: hold the right button and draw\n";
    entry += "Comment[ko]=오른쪽 버튼을 누른 채 그리는 마우스 제스처\n";
    entry += "Icon=velmor\n";
    entry += "TryExec=" + stringValue(program_.string()) + "\n";
    entry += "Exec=" + execValue(program_.string()) + "\n";
    entry += "X-GNOME-Autostart-enabled=true\n";
    return files::createFolders(entry_.parent_path()) && files::writeAtomically(entry_, entry);
}

void XdgLoginItem::disable() {
    std::error_code ignored;
    std::filesystem::remove(entry_, ignored);
}

std::optional<bool> XdgLoginItem::switchedOn() const {
    std::error_code error;
    if (!std::filesystem::is_regular_file(entry_, error)) {
        return std::nullopt;
    }
    g_autoptr(GKeyFile) entry = g_key_file_new();
    if (!g_key_file_load_from_file(entry, entry_.c_str(), G_KEY_FILE_NONE, nullptr) ||
        !g_key_file_has_group(entry, kGroup)) {
        return std::nullopt;
    }
    // A missing or malformed key switches nothing off.
    const bool hidden = g_key_file_get_boolean(entry, kGroup, "Hidden", nullptr);
    g_autoptr(GError) missing = nullptr;
    const bool gnomeEnabled =
        g_key_file_get_boolean(entry, kGroup, "X-GNOME-Autostart-enabled", &missing);
    return !hidden && (missing != nullptr || gnomeEnabled);
}

bool XdgLoginItem::isEnabled() const {
    return switchedOn().value_or(false);
}

bool XdgLoginItem::turnedOffElsewhere() const {
    return switchedOn() == false;
}

}  // namespace velmor::x11
