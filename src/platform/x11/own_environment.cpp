#include "platform/x11/own_environment.h"

#include <glib.h>

#include <mutex>

namespace velmor::x11 {

namespace {

std::mutex& ownMutex() {
    static std::mutex mutex;
    return mutex;
}

std::vector<std::string>& ownNames() {
    static std::vector<std::string> names;
    return names;
}

}  // namespace

void setOwnVariable(const char* name, const char* value) {
    const std::lock_guard lock(ownMutex());
    if (g_getenv(name) != nullptr) {
        return;
    }
    g_setenv(name, value, FALSE);
    ownNames().emplace_back(name);
}

std::vector<std::string> ownVariables() {
    const std::lock_guard lock(ownMutex());
    return ownNames();
}

}  // namespace velmor::x11
