#include "platform/x11/display.h"

namespace velmor::x11 {

std::optional<Display> Display::open(const std::string& name) {
    ::Display* handle = XOpenDisplay(name.empty() ? nullptr : name.c_str());
    if (handle == nullptr) {
        return std::nullopt;
    }
    return Display(handle);
}

}  // namespace velmor::x11
