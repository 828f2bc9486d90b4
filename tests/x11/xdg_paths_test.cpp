// Where the backend puts things on a freedesktop system, from a home and an environment of
// the test's own.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <vector>

#include "platform/x11/user_dirs.h"
#include "platform/x11/xdg_paths.h"
#include "x11/temp_folder.h"

namespace velmor::x11::testing {
namespace {

namespace fs = std::filesystem;

class XdgPathsTest : public ::testing::Test {
protected:
    XdgPaths paths() const {
        return XdgPaths(
            home_.path(), [this](const std::string& name) -> std::optional<std::string> {
                const auto found = environment_.find(name);
                return found == environment_.end() ? std::nullopt : std::optional(found->second);
            });
    }

    void writeUserDirs(const fs::path& configHome, const std::string& text) const {
        fs::create_directories(configHome);
        std::ofstream(configHome / "user-dirs.dirs") << text;
    }

    TempFolder home_;
    std::map<std::string, std::string> environment_;
};

TEST_F(XdgPathsTest, BaseFoldersDefaultUnderHomeAndIgnoreEmptyOrRelativeValues) {
    environment_ = {{"XDG_CONFIG_HOME", ""}, {"XDG_DATA_HOME", "relative/share"}};
    EXPECT_EQ(paths().settingsFile(),
              home_.path() / ".config" / "velmor" / "com.brisvane.velmor.plist");
    EXPECT_EQ(paths().applicationSupportFolder(), home_.path() / ".local" / "share");
    EXPECT_EQ(paths().stateFolder(), home_.path() / ".local" / "state" / "velmor");

    environment_ = {{"XDG_CONFIG_HOME", "/etc/elsewhere"}, {"XDG_DATA_HOME", "/srv/data"}};
    EXPECT_EQ(paths().settingsFile(), fs::path("/etc/elsewhere/velmor/com.brisvane.velmor.plist"));
    EXPECT_EQ(paths().applicationSupportFolder(), fs::path("/srv/data"));
}

TEST_F(XdgPathsTest, DesktopIsTheConfiguredFolderOrElseTheStateFolderNeverHome) {
    const fs::path state = home_.path() / ".local" / "state" / "velmor";
    // No user-dirs.dirs at all.
    EXPECT_EQ(paths().desktopFolder(), state);
    EXPECT_TRUE(fs::is_directory(state));

    for (const std::string& value :
         std::vector<std::string>{"$HOME/Missing", "$HOME", "$HOME/", "Desktop", "$HOMEDesktop",
                                  home_.path().string() + "/"}) {
        writeUserDirs(home_.path() / ".config", "XDG_DESKTOP_DIR=\"" + value + "\"\n");
        EXPECT_EQ(paths().desktopFolder(), state) << value;
    }

    environment_["XDG_STATE_HOME"] = (home_.path() / "st").string();
    EXPECT_EQ(paths().desktopFolder(), home_.path() / "st" / "velmor");

    fs::create_directories(home_.path() / "Schreibtisch");
    writeUserDirs(home_.path() / ".config",
                  "# written by the desktop\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                  "  XDG_DESKTOP_DIR = \"$HOME/Schreibtisch\"\n");
    EXPECT_EQ(paths().desktopFolder(), home_.path() / "Schreibtisch");
}

TEST(UserDirsTest, ReadsOnlyWellFormedLinesOfTheKey) {
    const fs::path home = "/home/ana";
    EXPECT_EQ(parseUserDir("XDG_DESKTOP_DIR=\"$HOME//Desk top\"", "XDG_DESKTOP_DIR", home),
              fs::path("/home/ana/Desk top"));
    EXPECT_EQ(parseUserDir("XDG_DESKTOP_DIR=\"/data/d\\\\x\"\n", "XDG_DESKTOP_DIR", home),
              fs::path("/data/d\\x"));
    EXPECT_EQ(parseUserDir("XDG_DESKTOP_DIR=\"/data/d\"\nXDG_DESKTOP_DIR=\"rel\"\n",
                           "XDG_DESKTOP_DIR", home),
              fs::path("/data/d"));
    EXPECT_FALSE(
        parseUserDir("XDG_DESKTOP_DIRS=\"/d\"\n#XDG_DESKTOP_DIR=\"/d\"\n"
                     "XDG_DESKTOP_DIR=/d\nXDG_DESKTOP_DIR=\"/unterminated",
                     "XDG_DESKTOP_DIR", home));
}

}  // namespace
}  // namespace velmor::x11::testing
