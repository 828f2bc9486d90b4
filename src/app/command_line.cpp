#include "app/command_line.h"

#include <iostream>

namespace velmor {

int runCommandLine(int /*argc*/, char** /*argv*/) {
    std::cout << "velmor: nothing to run yet\n";
    return 0;
}

}  // namespace velmor
