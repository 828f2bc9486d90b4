#pragma once

#include <filesystem>
#include <optional>

#include "platform/login_item.h"
#include "platform/x11/xdg_paths.h"

namespace velmor::x11 {

// Starting at login through an autostart desktop entry in the user's config folder. A
// program that is not installed (run from its build folder) never puts itself there.
class XdgLoginItem : public platform::LoginItem {
public:
    XdgLoginItem(const XdgPaths& paths, std::filesystem::path program, bool installed = true);

    // False, and nothing written, for a program that is not installed.
    bool enable() override;
    void disable() override;
    // The entry is there, a regular file, a desktop entry, and switched on.
    bool isEnabled() const override;
    // The entry is there, switched off by the desktop's startup settings (Hidden, or GNOME's
    // X-GNOME-Autostart-enabled=false).
    bool turnedOffElsewhere() const override;

    const std::filesystem::path& entryPath() const { return entry_; }

private:
    // The entry's switch: nothing when there is no readable entry.
    std::optional<bool> switchedOn() const;

    std::filesystem::path entry_;
    std::filesystem::path program_;
    bool installed_;
};

}  // namespace velmor::x11
