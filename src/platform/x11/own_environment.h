#pragma once

#include <string>
#include <vector>

namespace velmor::x11 {

// Variables the program puts into its own environment for its own sake, such as GTK without
// OpenGL. The programs it starts must not inherit them: they are the user's programs, with
// the user's environment. A variable the user set is never taken over.

// Sets the variable unless it is set already; remembers it only when it was set here.
void setOwnVariable(const char* name, const char* value);
// The names set so far, for the launchers to take out again.
std::vector<std::string> ownVariables();

}  // namespace velmor::x11
