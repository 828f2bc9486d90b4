#include "platform/x11/screenshot_command.h"

#include <glib.h>

#include <array>
#include <initializer_list>

namespace velmor::x11 {
namespace {

struct Tool {
    const char* program;
    std::initializer_list<const char*> arguments;
};

// A tool installed on its own comes before the ones that come with a desktop, which the
// user got without choosing; the desktops' own rarely meet on one machine. The last one
// saves without asking where, so only it is left when nothing else is there.
const std::array<Tool, 6> kTools{{
    {"flameshot", {"gui"}},
    {"gnome-screenshot", {"-a"}},
    {"spectacle", {"-r", "-b"}},
    {"xfce4-screenshooter", {"-r"}},
    {"mate-screenshot", {"-a"}},
    {"scrot", {"-s"}},
}};

std::optional<std::vector<std::string>> split(const std::string& command) {
    g_auto(GStrv) words = nullptr;
    if (!g_shell_parse_argv(command.c_str(), nullptr, &words, nullptr)) {
        return std::nullopt;
    }
    std::vector<std::string> argv;
    for (char** word = words; *word != nullptr; ++word) {
        argv.emplace_back(*word);
    }
    return argv;
}

std::optional<std::vector<std::string>> installedTool() {
    for (const Tool& tool : kTools) {
        g_autofree char* path = g_find_program_in_path(tool.program);
        if (path != nullptr) {
            std::vector<std::string> argv{path};
            argv.insert(argv.end(), tool.arguments.begin(), tool.arguments.end());
            return argv;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::vector<std::string>> screenshotCommand(
    const std::optional<std::string>& configured) {
    if (configured && !configured->empty()) {
        return split(*configured);
    }
    return installedTool();
}

}  // namespace velmor::x11
