#include "platform/x11/input_extensions.h"

#include <X11/extensions/XInput2.h>
#include <X11/extensions/XTest.h>

namespace velmor::x11 {
namespace {

bool hasXTest(::Display* display) {
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    return XTestQueryExtension(display, &event, &error, &major, &minor) == True;
}

bool hasXInput2(::Display* display) {
    int opcode = 0;
    int event = 0;
    int error = 0;
    if (XQueryExtension(display, "XInputExtension", &opcode, &event, &error) != True) {
        return false;
    }
    // Announcing 2.2 also asks for raw events while another client holds a grab, which is
    // how the tap hears the release of a press it handed on.
    int major = 2;
    int minor = 2;
    return XIQueryVersion(display, &major, &minor) == Success && major >= 2;
}

}  // namespace

bool hasInputExtensions(::Display* display) {
    return hasXTest(display) && hasXInput2(display);
}

}  // namespace velmor::x11
