#include "platform/x11/web_browsers.h"

#include <algorithm>
#include <array>

#include "platform/macos_tables/macos_places.h"
#include "platform/x11/desktop_entry.h"

namespace velmor::x11 {
namespace {

constexpr auto kBrowserClasses = std::to_array<std::string_view>({
    "Firefox",
    "Firefox-esr",
    "firefoxdeveloperedition",
    "Chromium",
    "Chromium-browser",
    "Google-chrome",
    "Google-chrome-beta",
    "Google-chrome-unstable",
    "Brave-browser",
    "Microsoft-edge",
    "Microsoft-edge-beta",
    "Vivaldi-stable",
    "Vivaldi-snapshot",
    "Opera",
    "Epiphany",
    "org.gnome.Epiphany",
    "Falkon",
    "qutebrowser",
    "LibreWolf",
    "Tor Browser",
    "Mullvad Browser",
    "Waterfox",
    "Floorp",
    "Midori",
    "Konqueror",
});

}  // namespace

bool isWebBrowserClass(std::string_view applicationId) {
    return std::any_of(kBrowserClasses.begin(), kBrowserClasses.end(),
                       [&](std::string_view browser) {
                           return sameIgnoringCase(browser, applicationId);
                       }) ||
           macos::isWebBrowser(applicationId);
}

}  // namespace velmor::x11
