#include "x11/test_applications.h"

#include <stdlib.h>

#include <fstream>

#include "x11/wait_until.h"

namespace velmor::x11::testing {

namespace fs = std::filesystem;

TestApplications::TestApplications(const fs::path& root) : root_(root) {
    for (const fs::path& folder : {userFolder(), systemFolder(), configFolder(), root_ / "bin",
                                   root_ / "markers", root_ / "xdg"}) {
        fs::create_directories(folder);
    }
    for (const auto& [name, value] :
         {std::pair{"XDG_DATA_HOME", root_ / "data"}, std::pair{"XDG_DATA_DIRS", root_ / "system"},
          std::pair{"XDG_CONFIG_HOME", configFolder()},
          std::pair{"XDG_CONFIG_DIRS", root_ / "xdg"}}) {
        const char* before = getenv(name);
        previous_.emplace_back(
            name, before != nullptr ? std::optional<std::string>(before) : std::nullopt);
        setenv(name, value.c_str(), 1);
    }
}

TestApplications::~TestApplications() {
    for (const auto& [name, value] : previous_) {
        if (value) {
            setenv(name.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name.c_str());
        }
    }
}

fs::path TestApplications::write(const fs::path& file, const std::string& name,
                                 const std::string& moreLines) const {
    const std::string stem = file.stem().string();
    const fs::path program = root_ / "bin" / stem;
    const std::string marker = (root_ / "markers" / stem).string();
    std::ofstream(program) << "#!/bin/sh\nenv > '" << marker << ".part' && mv '" << marker
                           << ".part' '" << marker << "'\n";
    fs::permissions(program, fs::perms::owner_all);
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "[Desktop Entry]\nType=Application\nName=" << name
                        << "\nExec=" << program.string() << "\n"
                        << moreLines;
    return file;
}

bool TestApplications::launched(const std::string& stem) const {
    return fs::exists(root_ / "markers" / stem);
}

bool TestApplications::waitLaunched(const std::string& stem) const {
    return waitUntil([&] { return launched(stem); });
}

std::string TestApplications::environmentOf(const std::string& stem) const {
    std::ifstream marker(root_ / "markers" / stem);
    return std::string((std::istreambuf_iterator<char>(marker)), {});
}

}  // namespace velmor::x11::testing
