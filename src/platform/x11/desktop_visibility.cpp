#include "platform/x11/desktop_visibility.h"

#include <algorithm>

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
    return splitList(currentDesktop != nullptr ? currentDesktop : "", ':');
}

std::vector<std::string> splitList(std::string_view list, char separator) {
    std::vector<std::string> items;
    while (!list.empty()) {
        const std::size_t end = list.find(separator);
        if (end != 0) {
            items.emplace_back(list.substr(0, end));
        }
        list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 1);
    }
    return items;
}

}  // namespace velmor::x11
