#include "platform/x11/app_launcher.h"

#include <gdk/gdk.h>
#include <gio/gdesktopappinfo.h>

#include "platform/x11/gtk_start.h"
#include "platform/x11/own_environment.h"

namespace velmor::x11 {
namespace {

// The display's own launch context where GTK runs on it: it gives the program a startup
// notification id, so a window manager that prevents focus stealing still puts it in front.
GAppLaunchContext* newContext(const std::string& displayName) {
    GAppLaunchContext* context = nullptr;
    GdkDisplay* display = onGtkThread() ? gdk_display_get_default() : nullptr;
    if (display != nullptr) {
        GdkAppLaunchContext* gdkContext = gdk_display_get_app_launch_context(display);
        gdk_app_launch_context_set_timestamp(gdkContext, GDK_CURRENT_TIME);
        context = G_APP_LAUNCH_CONTEXT(gdkContext);
    } else {
        context = g_app_launch_context_new();
    }
    if (!displayName.empty()) {
        g_app_launch_context_setenv(context, "DISPLAY", displayName.c_str());
    }
    for (const std::string& own : ownVariables()) {
        g_app_launch_context_unsetenv(context, own.c_str());
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
