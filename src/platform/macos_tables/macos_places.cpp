#include "platform/macos_tables/macos_places.h"

#include <set>

namespace velmor::macos {

std::string_view wellKnownApplicationName(platform::WellKnownApplication application) {
    switch (application) {
        case platform::WellKnownApplication::notes:
            return "Notes";
        case platform::WellKnownApplication::music:
            return "Music";
        case platform::WellKnownApplication::systemSettings:
            break;
    }
    return "System Preferences";
}

std::string wellKnownApplicationPath(platform::WellKnownApplication application) {
    return "/System/Applications/" + std::string(wellKnownApplicationName(application)) + ".app";
}

bool isWebBrowser(std::string_view bundleIdentifier) {
    // Built once, thread-safely, on first use; only read afterwards.
    static const std::set<std::string, std::less<>> identifiers{
        "com.google.Chrome",
        "com.google.Chrome.canary",
        "com.apple.Safari",
        "org.mozilla.firefox",
        "org.mozilla.firefoxdeveloperedition",
        "com.microsoft.edgemac",
        "com.brave.Browser",
        "company.thebrowser.Browser",
        "com.operasoftware.Opera",
        "com.vivaldi.Vivaldi",
    };
    return identifiers.contains(bundleIdentifier);
}

bool namesApplicationBundle(std::string_view path) {
    while (path.size() > 1 && path.back() == '/') {
        path.remove_suffix(1);
    }
    const std::string_view name = path.substr(path.rfind('/') + 1);
    constexpr std::string_view kBundleExtension = ".app";
    return name.size() > kBundleExtension.size() && name.ends_with(kBundleExtension);
}

}  // namespace velmor::macos
