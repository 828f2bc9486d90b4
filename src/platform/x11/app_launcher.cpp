#include "platform/x11/app_launcher.h"

#include <gio/gdesktopappinfo.h>

namespace velmor::x11 {
namespace {

GAppLaunchContext* newContext(const std::string& displayName) {
    GAppLaunchContext* context = g_app_launch_context_new();
    if (!displayName.empty()) {
        g_app_launch_context_setenv(context, "DISPLAY", displayName.c_str());
    }
    return context;
}

}  // namespace

bool AppLauncher::launch(const std::filesystem::path& entryFile) const {
    g_autoptr(GDesktopAppInfo) info = g_desktop_app_info_new_from_filename(entryFile.c_str());
    if (info == nullptr) {
        return false;
    }
    g_autoptr(GAppLaunchContext) context = newContext(displayName_);
    g_autoptr(GError) error = nullptr;
    return g_app_info_launch(G_APP_INFO(info), nullptr, context, &error) != FALSE;
}

bool AppLauncher::openUri(const std::string& uri) const {
    g_autoptr(GAppLaunchContext) context = newContext(displayName_);
    g_autoptr(GError) error = nullptr;
    return g_app_info_launch_default_for_uri(uri.c_str(), context, &error) != FALSE;
}

}  // namespace velmor::x11
