// A window of the tests' own: it names itself like an application would and writes every key
// and button it receives, one line each, to the file given as its only argument.
// An optional second argument is its window class. "ready WINDOW" comes first, "closed" last when
// the window manager asks it to close.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kTitle = "녹음기 — recorder";

void setIdentity(Display* display, Window window, const char* windowClass) {
    XClassHint hint{const_cast<char*>("recorder"), const_cast<char*>(windowClass)};
    XSetClassHint(display, window, &hint);
    XStoreName(display, window, "recorder");
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), utf8, 8,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(kTitle),
                    static_cast<int>(std::strlen(kTitle)));
    const long pid = getpid();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
}

void record(FILE* log, const XEvent& event) {
    if (event.type == ButtonPress || event.type == ButtonRelease) {
        std::fprintf(log, "%s %u state=0x%x\n",
                     event.type == ButtonPress ? "ButtonPress" : "ButtonRelease",
                     event.xbutton.button, event.xbutton.state);
    } else {
        XKeyEvent key = event.xkey;
        const char* name = XKeysymToString(XLookupKeysym(&key, 0));
        std::fprintf(log, "%s %s state=0x%x\n", event.type == KeyPress ? "KeyPress" : "KeyRelease",
                     name != nullptr ? name : "?", key.state);
    }
    std::fflush(log);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s LOG [CLASS]\n", argv[0]);
        return 2;
    }
    FILE* log = std::fopen(argv[1], "w");
    Display* display = XOpenDisplay(nullptr);
    if (log == nullptr || display == nullptr) {
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 600, 400,
                                              0, BlackPixel(display, screen), 0x3465a4);
    setIdentity(display, window, argc == 3 ? argv[2] : "VelmorRecorder");
    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    XSelectInput(
        display, window,
        KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask | StructureNotifyMask);
    XMapWindow(display, window);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify) {
            std::fprintf(log, "ready 0x%lx\n", window);
            std::fflush(log);
        } else if (event.type == ClientMessage &&
                   static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) {
            std::fprintf(log, "closed\n");
            break;
        } else if (event.type == ButtonPress || event.type == ButtonRelease ||
                   event.type == KeyPress || event.type == KeyRelease) {
            record(log, event);
        }
    }
    std::fclose(log);
    XCloseDisplay(display);
    return 0;
}
