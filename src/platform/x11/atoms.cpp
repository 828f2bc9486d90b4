#include "platform/x11/atoms.h"

#include <X11/Xatom.h>

#include <array>

namespace velmor::x11 {

Atoms Atoms::intern(::Display* display) {
    std::array<const char*, 7> names{"_NET_ACTIVE_WINDOW",  "_NET_WM_PID",      "_NET_WM_NAME",
                                     "UTF8_STRING",         "_NET_CLIENT_LIST", "_NET_CLOSE_WINDOW",
                                     "_NET_SHOWING_DESKTOP"};
    std::array<Atom, names.size()> found{};
    // Xlib takes the names as char** but only reads them.
    XInternAtoms(display, const_cast<char**>(names.data()), static_cast<int>(names.size()), False,
                 found.data());
    Atoms atoms;
    atoms.netActiveWindow = found[0];
    atoms.netWmPid = found[1];
    atoms.netWmName = found[2];
    atoms.utf8String = found[3];
    atoms.netClientList = found[4];
    atoms.netCloseWindow = found[5];
    atoms.netShowingDesktop = found[6];
    atoms.wmClass = XA_WM_CLASS;
    atoms.wmName = XA_WM_NAME;
    return atoms;
}

}  // namespace velmor::x11
