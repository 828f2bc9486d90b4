#pragma once

#include <filesystem>
#include <string>

namespace velmor::platform {

// Where things are on this desktop, as the platform names them. Any thread.
class Paths {
public:
    virtual ~Paths() = default;
    // The user's desktop, where the gesture log is kept.
    virtual std::filesystem::path desktopFolder() const = 0;
    // The per-user folder where programs keep their data, such as sync backups.
    virtual std::filesystem::path applicationSupportFolder() const = 0;
    // Where the application chooser opens, and the kind of item it lets the user choose.
    virtual std::string applicationsFolder() const = 0;
    virtual std::string applicationFileType() const = 0;
};

}  // namespace velmor::platform
