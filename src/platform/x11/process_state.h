#pragma once

#include <sys/types.h>

namespace velmor::x11 {

// Whether the process has ended: gone, or a zombie that only waits for its parent.
bool processEnded(pid_t pid);

}  // namespace velmor::x11
