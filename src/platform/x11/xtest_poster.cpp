#include "platform/x11/xtest_poster.h"

#include <X11/extensions/XTest.h>

#include <cmath>
#include <vector>

#include "platform/x11/held_modifiers.h"

namespace velmor::x11 {
namespace {

void fakeKey(::Display* display, KeyCode code, bool down) {
    XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
}

}  // namespace

void XTestPoster::click(Point at, unsigned int button) {
    ::Display* display = display_.get();
    const bool wasGrabbed = grab_.held();
    grab_.release();
    XTestFakeMotionEvent(display, -1, static_cast<int>(std::lround(at.x)),
                         static_cast<int>(std::lround(at.y)), CurrentTime);
    XTestFakeButtonEvent(display, button, True, CurrentTime);
    XTestFakeButtonEvent(display, button, False, CurrentTime);
    // The server has handled the click once it answers: only then may the grab return.
    XSync(display, False);
    if (wasGrabbed) {
        grab_.grab();
    }
}

bool XTestPoster::keyCombination(std::initializer_list<KeySym> modifiers, KeySym key) {
    ::Display* display = display_.get();
    std::vector<KeyCode> combination;
    for (KeySym sym : modifiers) {
        combination.push_back(sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym));
    }
    combination.push_back(key == NoSymbol ? 0 : XKeysymToKeycode(display, key));
    for (KeyCode code : combination) {
        if (code == 0) {
            return false;
        }
    }
    const std::vector<KeyCode> held = heldModifierKeys(display);
    for (KeyCode code : held) {
        fakeKey(display, code, false);
    }
    for (KeyCode code : combination) {
        fakeKey(display, code, true);
    }
    for (auto code = combination.rbegin(); code != combination.rend(); ++code) {
        fakeKey(display, *code, false);
    }
    for (KeyCode code : held) {
        fakeKey(display, code, true);
    }
    XSync(display, False);
    return true;
}

}  // namespace velmor::x11
