#include "replay/command_line.h"

// The program runs on a desktop backend when one is built in; this build has none yet, so
// it runs as `velmor replay` on the simulated platform and otherwise explains its use.
int main(int argc, char** argv) {
    return velmor::runCommandLine(argc, argv);
}
