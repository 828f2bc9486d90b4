#include <iostream>

#include "replay/command_line.h"
#ifdef VELMOR_HAS_DESKTOP
#include "desktop/run_on_desktop.h"
#endif

// Without arguments the program runs on the user's desktop, when a desktop backend is built
// in; `velmor replay` runs a session on the simulated platform.
int main(int argc, char** argv) {
#ifdef VELMOR_HAS_DESKTOP
    if (argc <= 1) {
        return velmor::runOnDesktop(std::cerr);
    }
#endif
    return velmor::runCommandLine(argc, argv);
}
