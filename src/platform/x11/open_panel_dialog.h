#pragma once

#include <optional>
#include <string>

#include "platform/ui.h"

namespace velmor::x11 {

// Runs the panel as a modal dialog in a nested main loop: a folder chooser when only folders
// may be chosen, the installed applications when the panel asks for desktop entries (the
// chosen one's entry file is the answer), a file chooser otherwise. Nothing when cancelled.
std::optional<std::string> runOpenPanelDialog(const platform::OpenPanel& panel, bool takeFocus);

}  // namespace velmor::x11
