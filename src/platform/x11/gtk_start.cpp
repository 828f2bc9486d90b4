#include "platform/x11/gtk_start.h"

#include <gtk/gtk.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/x11/own_environment.h"

namespace velmor::x11 {

namespace {

bool initialise(const std::string& displayName) {
    // The rest of the backend speaks X11; GTK must show its windows on the same server.
    gdk_set_allowed_backends("x11");
    // Dialogs and a menu need no OpenGL; without this GDK loads the GL driver to choose its
    // visuals, which on a software renderer alone keeps about 50 MB resident. A user's own
    // setting wins.
    setOwnVariable("GDK_GL", "disable");
    std::string program = "velmor";
    std::string display = "--display=" + displayName;
    std::vector<char*> arguments{program.data()};
    if (!displayName.empty()) {
        arguments.push_back(display.data());
    }
    arguments.push_back(nullptr);
    int count = static_cast<int>(arguments.size()) - 1;
    char** argv = arguments.data();
    return gtk_init_check(&count, &argv) != FALSE;
}

}  // namespace

namespace {
std::atomic<std::thread::id> gtkThread;
}

bool startGtk(const std::string& displayName) {
    static const bool started = initialise(displayName);
    if (started && gtkThread.load() == std::thread::id()) {
        gtkThread.store(std::this_thread::get_id());
    }
    return started;
}

bool onGtkThread() {
    return gtkThread.load() == std::this_thread::get_id();
}

}  // namespace velmor::x11
