// The gestures' actions as the frontmost window and the window manager see them.
// Google Test first: Xlib defines None and Bool as macros.
#include <gtest/gtest.h>

#include <X11/Xatom.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <array>

#include "platform/x11/child_processes.h"
#include "platform/x11/ewmh.h"
#include "platform/x11/key_combination.h"
#include "platform/x11/modifier_keys.h"
#include "platform/x11/wheel_poster.h"
#include "platform/x11/x11_system_actions.h"
#include "x11/desktop_fixture.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

using platform::Shortcut;

class ActionsTest : public DesktopTest {
protected:
    void activateClient() {
        Ewmh ewmh(*display_);
        ewmh.activate(client_->window());
        ASSERT_TRUE(waitUntil([&] { return ewmh.activeWindow() == client_->window(); }));
    }

    std::vector<KeyCode> heldModifiers() const { return ModifierKeys().held(display_->get()); }

    // The presses of keys other than the modifiers, in the order the client received them.
    std::vector<std::string> keyPresses() const {
        std::vector<std::string> presses = client_->received();
        std::erase_if(presses, [](const std::string& line) {
            return line.rfind("KeyPress ", 0) != 0 || line.find("Shift_L") != std::string::npos ||
                   line.find("Control_L") != std::string::npos ||
                   line.find("Alt_L") != std::string::npos;
        });
        return presses;
    }

    ChildProcesses processes_;
    X11SystemActions actions_{session_.name(), processes_, [] { return std::nullopt; }};
};

TEST_F(ActionsTest, ShortcutsReachTheFrontWindowWithOnlyTheirModifiersWhileTheUserHoldsShift) {
    activateClient();
    ASSERT_TRUE(session_.xdotool({"keydown", "shift"}));
    const KeyCode shift = XKeysymToKeycode(display_->get(), XK_Shift_L);
    ASSERT_TRUE(waitUntil([&] { return heldModifiers().size() == 1; }));

    for (Shortcut shortcut : {Shortcut::browserBack, Shortcut::browserForward, Shortcut::newTab,
                              Shortcut::closeTab, Shortcut::refresh}) {
        actions_.pressShortcut(shortcut);
    }
    ASSERT_TRUE(client_->waitFor("KeyRelease Control_L state=0x4", 3))
        << ::testing::PrintToString(client_->received());
    EXPECT_EQ(keyPresses(),
              (std::vector<std::string>{"KeyPress Left state=0x8", "KeyPress Right state=0x8",
                                        "KeyPress t state=0x4", "KeyPress w state=0x4",
                                        "KeyPress r state=0x4"}));
    EXPECT_EQ(heldModifiers(), std::vector<KeyCode>{shift});

    ASSERT_TRUE(session_.xdotool({"keyup", "shift"}));
    EXPECT_TRUE(waitUntil([&] { return heldModifiers().empty(); }));

    // What cannot be posted is refused, not half-posted.
    EXPECT_FALSE(
        postKeyCombination(display_->get(), {}, std::array<KeySym, 1>{XK_Control_L}, NoSymbol));
    EXPECT_TRUE(heldModifiers().empty());
    EXPECT_FALSE(WheelPoster(":999").scroll(1));
}

// The modifier keys are learnt once; a key the user makes a modifier later must still be let
// go around a shortcut, or it would mix into it.
TEST_F(ActionsTest, AKeyMadeAModifierAfterTheFirstShortcutIsLetGoAroundTheNext) {
    activateClient();
    actions_.pressShortcut(Shortcut::refresh);
    ASSERT_TRUE(client_->waitFor("KeyPress r state=0x4"));

    ::Display* display = display_->get();
    const KeyCode menu = XKeysymToKeycode(display, XK_Menu);
    ASSERT_NE(menu, 0);
    XModifierKeymap* map = XGetModifierMapping(display);
    map = XInsertModifiermapEntry(map, menu, ControlMapIndex);
    ASSERT_EQ(XSetModifierMapping(display, map), MappingSuccess);
    XSync(display, False);
    // Straight through XTest: xdotool would press the modifier's first key with it.
    XTestFakeKeyEvent(display, menu, True, CurrentTime);
    XSync(display, False);
    ASSERT_TRUE(waitUntil([&] { return heldModifiers() == std::vector<KeyCode>{menu}; }));

    actions_.pressShortcut(Shortcut::browserBack);
    XTestFakeKeyEvent(display, menu, False, CurrentTime);
    EXPECT_TRUE(client_->waitFor("KeyPress Left state=0x8"))
        << ::testing::PrintToString(client_->received());

    map = XDeleteModifiermapEntry(map, menu, ControlMapIndex);
    XSetModifierMapping(display, map);
    XFreeModifiermap(map);
    XSync(display, False);
}

TEST_F(ActionsTest, QuittingTheFrontmostAsksTheWindowManagerToCloseItsWindows) {
    activateClient();
    actions_.pressShortcut(Shortcut::quitFrontmost);
    EXPECT_TRUE(client_->waitFor("closed"));
    EXPECT_EQ(client_->process().wait(kPatience), 0);
    // Nothing is frontmost now: nothing to close, nothing breaks.
    actions_.pressShortcut(Shortcut::quitFrontmost);
}

TEST_F(ActionsTest, ShowingTheDesktopTogglesAndSaysWhenTheWindowManagerCannot) {
    Ewmh ewmh(*display_);
    EXPECT_EQ(actions_.showDesktop().exitStatus, 0);
    EXPECT_TRUE(waitUntil([&] { return ewmh.showingDesktop() == true; }));
    EXPECT_TRUE(waitUntil([&] { return !clientViewable(); }));
    const platform::ShowDesktopOutcome second = actions_.showDesktop();
    EXPECT_EQ(second.exitStatus, 0);
    EXPECT_EQ(second.detail, "");
    EXPECT_TRUE(waitUntil([&] { return ewmh.showingDesktop() == false; }));
    EXPECT_TRUE(waitUntil([&] { return clientViewable(); }));

    // A manager that lists no such hint.
    const Atom supported = XInternAtom(display_->get(), "_NET_SUPPORTED", False);
    const long onlyActive = static_cast<long>(display_->atoms().netActiveWindow);
    XChangeProperty(display_->get(), display_->root(), supported, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&onlyActive), 1);
    XSync(display_->get(), False);
    const platform::ShowDesktopOutcome unsupported = actions_.showDesktop();
    EXPECT_EQ(unsupported.exitStatus, 1);
    EXPECT_FALSE(unsupported.detail.empty());

    ChildProcesses processes;
    const platform::ShowDesktopOutcome noDisplay =
        X11SystemActions(":999", processes, [] { return std::nullopt; }).showDesktop();
    EXPECT_EQ(noDisplay.exitStatus, -1);
    EXPECT_NE(noDisplay.detail.find(":999"), std::string::npos);
}

}  // namespace
}  // namespace velmor::x11::testing
