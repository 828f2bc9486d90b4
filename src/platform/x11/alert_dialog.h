#pragma once

#include "platform/ui.h"

namespace velmor::x11 {

// Shows the alert as a modal dialog and waits for its answer in a nested main loop: Return
// answers the first button (also from the text field), Escape or closing the window the last.
platform::AlertResponse runAlertDialog(const platform::Alert& alert, bool takeFocus);

}  // namespace velmor::x11
