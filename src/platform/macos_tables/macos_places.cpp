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

std::string_view wellKnownApplicationIdentifier(platform::WellKnownApplication application) {
    switch (application) {
        case platform::WellKnownApplication::notes:
            return "com.apple.Notes";
        case platform::WellKnownApplication::music:
            return "com.apple.Music";
        case platform::WellKnownApplication::systemSettings:
            break;
    }
    return "com.apple.systempreferences";
}

std::vector<std::filesystem::path> applicationCandidates(std::string_view name,
                                                         const std::filesystem::path& home) {
    std::vector<std::filesystem::path> candidates;
    // A name that is a path, or names a folder, would reach outside the folders.
    if (name.empty() || name.find('/') != std::string_view::npos || name == "." || name == "..") {
        return candidates;
    }
    const std::string bundle = std::string(name) + ".app";
    for (const std::filesystem::path& folder :
         {std::filesystem::path("/System/Applications"), std::filesystem::path("/Applications"),
          home / "Applications", std::filesystem::path("/System/Applications/Utilities"),
          std::filesystem::path("/Applications/Utilities")}) {
        candidates.push_back(folder / bundle);
    }
    return candidates;
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
