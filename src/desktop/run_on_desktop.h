#pragma once

#include <iosfwd>

namespace velmor {

// Runs the program on the user's desktop (an X11 display, or the Mac's menu bar) until it
// is quit or signalled; the process's exit status. Says in one line on `terminal` why it
// cannot run, when it cannot.
int runOnDesktop(std::ostream& terminal);

}  // namespace velmor
