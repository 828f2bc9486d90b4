#pragma once

#include <string_view>

namespace velmor::x11 {

// Whether an application id names a web browser: the WM_CLASS classes of the common Linux
// browsers, letter case aside, and the bundle identifiers that Macs know them by.
bool isWebBrowserClass(std::string_view applicationId);

}  // namespace velmor::x11
