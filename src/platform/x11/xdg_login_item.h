#pragma once

#include <filesystem>

#include "platform/login_item.h"
#include "platform/x11/xdg_paths.h"

namespace velmor::x11 {

// Starting at login through an autostart desktop entry in the user's config folder.
class XdgLoginItem : public platform::LoginItem {
public:
    XdgLoginItem(const XdgPaths& paths, std::filesystem::path program);

    bool enable() override;
    void disable() override;
    // The entry is there, a regular file, a desktop entry, and not hidden.
    bool isEnabled() const override;

    const std::filesystem::path& entryPath() const { return entry_; }

private:
    std::filesystem::path entry_;
    std::filesystem::path program_;
};

}  // namespace velmor::x11
