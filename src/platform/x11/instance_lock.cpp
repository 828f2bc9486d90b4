#include "platform/x11/instance_lock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <string>

#include "platform/files.h"

namespace velmor::x11 {

namespace {

// One server has one pointer to grab, whichever of its screens the name picks.
std::string withoutScreen(std::string_view displayName) {
    std::string name(displayName);
    const auto colon = name.rfind(':');
    if (colon != std::string::npos) {
        const auto dot = name.find('.', colon);
        if (dot != std::string::npos) {
            name.erase(dot);
        }
    }
    std::replace(name.begin(), name.end(), '/', '_');
    return name;
}

}  // namespace

InstanceLock::InstanceLock(const std::filesystem::path& file) {
    if (!files::createFolders(file.parent_path())) {
        return;
    }
    descriptor_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (descriptor_ < 0) {
        return;
    }
    if (::flock(descriptor_, LOCK_EX | LOCK_NB) == 0) {
        outcome_ = Outcome::taken;
    } else if (errno == EWOULDBLOCK) {
        outcome_ = Outcome::heldByAnother;
    }
}

InstanceLock::~InstanceLock() {
    if (descriptor_ >= 0) {
        ::close(descriptor_);
    }
}

std::filesystem::path InstanceLock::fileFor(const XdgPaths& paths, std::string_view displayName) {
    const std::filesystem::path folder =
        paths.runtimeFolder() ? *paths.runtimeFolder() / "velmor" : paths.stateFolder();
    return folder / ("display-" + withoutScreen(displayName) + ".lock");
}

}  // namespace velmor::x11
