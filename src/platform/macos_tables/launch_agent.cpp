#include "platform/macos_tables/launch_agent.h"

#include <system_error>

#include "platform/files.h"
#include "platform/property_list_file.h"

namespace velmor::macos {

std::filesystem::path VLLaunchAgentPath(const std::filesystem::path& home) {
    return home / "Library/LaunchAgents" / (std::string(VLLaunchAgentLabel) + ".plist");
}

Value VLLaunchAgentContents() {
    return Value(Value::Dictionary{
        {"Label", Value(VLLaunchAgentLabel)},
        {"ProgramArguments",
         Value(Value::Array{Value("/usr/bin/open"), Value("-a"), Value("Velmor")})},
        {"RunAtLoad", Value::boolean(true)},
    });
}

bool VLWriteLaunchAgent(const std::filesystem::path& home) {
    const auto path = VLLaunchAgentPath(home);
    if (!files::createFolders(path.parent_path())) {
        return false;
    }
    return files::writePropertyListFile(path, VLLaunchAgentContents());
}

void VLRemoveLaunchAgent(const std::filesystem::path& home) {
    std::error_code ignored;
    std::filesystem::remove(VLLaunchAgentPath(home), ignored);
}

bool LaunchAgentLoginItem::isEnabled() const {
    std::error_code ignored;
    return std::filesystem::is_regular_file(VLLaunchAgentPath(home_), ignored);
}

}  // namespace velmor::macos
