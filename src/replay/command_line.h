#pragma once

namespace velmor {

// The process entry: parses the command line and runs what it names.
int runCommandLine(int argc, char** argv);

}  // namespace velmor
