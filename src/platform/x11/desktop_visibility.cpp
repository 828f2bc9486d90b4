#include "platform/x11/desktop_visibility.h"

#include <algorithm>
#include <string_view>

namespace velmor::x11 {

namespace {

bool names(const std::vector<std::string>& list, const std::string& desktop) {
    return std::find(list.begin(), list.end(), desktop) != list.end();
}

}  // namespace

bool shownOnDesktops(const std::vector<std::string>& onlyShowIn,
                     const std::vector<std::string>& notShowIn,
                     const std::vector<std::string>& current) {
    for (const std::string& desktop : current) {
        if (names(onlyShowIn, desktop)) {
            return true;
        }
        if (names(notShowIn, desktop)) {
            return false;
        }
    }
    return onlyShowIn.empty();
}

std::vector<std::string> desktopNames(const char* currentDesktop) {
    std::vector<std::string> desktops;
    std::string_view rest = currentDesktop != nullptr ? currentDesktop : "";
    while (!rest.empty()) {
        const std::size_t colon = rest.find(':');
        if (colon != 0) {
            desktops.emplace_back(rest.substr(0, colon));
        }
        rest = colon == std::string_view::npos ? std::string_view{} : rest.substr(colon + 1);
    }
    return desktops;
}

}  // namespace velmor::x11
