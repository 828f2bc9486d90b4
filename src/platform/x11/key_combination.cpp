#include "platform/x11/key_combination.h"

#include <X11/extensions/XTest.h>

#include <algorithm>
#include <vector>

namespace velmor::x11 {
namespace {

void fakeKey(::Display* display, KeyCode code, bool down) {
    XTestFakeKeyEvent(display, code, down ? True : False, CurrentTime);
}

KeyCode codeFor(::Display* display, KeySym sym) {
    return sym == NoSymbol ? 0 : XKeysymToKeycode(display, sym);
}

}  // namespace

bool postKeyCombination(::Display* display, std::span<const KeyCode> held,
                        std::span<const KeySym> modifiers, KeySym key) {
    std::vector<KeyCode> combination;
    for (KeySym sym : modifiers) {
        combination.push_back(codeFor(display, sym));
    }
    combination.push_back(codeFor(display, key));
    if (std::find(combination.begin(), combination.end(), 0) != combination.end()) {
        return false;
    }
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
