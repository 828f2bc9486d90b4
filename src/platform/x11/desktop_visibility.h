#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmor::x11 {

// Whether an entry with these OnlyShowIn and NotShowIn lists shows on a desktop whose
// $XDG_CURRENT_DESKTOP names `current`, as the desktop's own menu decides it: the first
// current desktop either list names decides; when neither names one, the entry shows
// unless it has an OnlyShowIn list.
bool shownOnDesktops(const std::vector<std::string>& onlyShowIn,
                     const std::vector<std::string>& notShowIn,
                     const std::vector<std::string>& current);

// $XDG_CURRENT_DESKTOP as a list: "ubuntu:GNOME" names two.
std::vector<std::string> desktopNames(const char* currentDesktop);

// The non-empty items of a list: "a;b;" gives a and b.
std::vector<std::string> splitList(std::string_view list, char separator);

}  // namespace velmor::x11
