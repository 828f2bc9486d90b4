#include "platform/x11/detached_launch.h"

#include <glib.h>

#include "platform/x11/own_environment.h"

namespace velmor::x11 {
namespace {

const char* workingFolder() {
    const char* pictures = g_get_user_special_dir(G_USER_DIRECTORY_PICTURES);
    if (pictures != nullptr && g_file_test(pictures, G_FILE_TEST_IS_DIR)) {
        return pictures;
    }
    return g_get_home_dir();
}

}  // namespace

std::optional<std::string> launchDetached(const std::vector<std::string>& argv,
                                          const std::string& displayName) {
    if (argv.empty()) {
        return "no program";
    }
    std::vector<char*> arguments;
    for (const std::string& argument : argv) {
        // GLib takes gchar** but does not write through it.
        arguments.push_back(const_cast<char*>(argument.c_str()));
    }
    arguments.push_back(nullptr);
    g_auto(GStrv) environment = g_get_environ();
    for (const std::string& own : ownVariables()) {
        environment = g_environ_unsetenv(environment, own.c_str());
    }
    if (!displayName.empty()) {
        environment = g_environ_setenv(environment, "DISPLAY", displayName.c_str(), TRUE);
    }
    g_autoptr(GError) error = nullptr;
    // Without DO_NOT_REAP_CHILD GLib starts the program from an intermediate child that ends
    // at once, so the program is nobody's child here.
    const auto flags =
        static_cast<GSpawnFlags>(G_SPAWN_SEARCH_PATH_FROM_ENVP | G_SPAWN_STDIN_FROM_DEV_NULL);
    if (!g_spawn_async(workingFolder(), arguments.data(), environment, flags, nullptr, nullptr,
                       nullptr, &error)) {
        return std::string(error->message);
    }
    return std::nullopt;
}

}  // namespace velmor::x11
