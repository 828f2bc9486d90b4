// Starting at login through an autostart entry, in a home of the test's own.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "platform/x11/desktop_entry_exec.h"
#include "platform/x11/xdg_login_item.h"
#include "x11/temp_folder.h"

namespace velmor::x11::testing {
namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& file) {
    std::ostringstream text;
    text << std::ifstream(file).rdbuf();
    return text.str();
}

class LoginItemTest : public ::testing::Test {
protected:
    TempFolder home_;
};

TEST_F(LoginItemTest, EnableWritesAnEntryThatDisableRemoves) {
    const XdgPaths paths(home_.path(), [](const std::string&) { return std::nullopt; });
    XdgLoginItem item(paths, "/opt/my apps/velmor");
    EXPECT_FALSE(item.isEnabled());
    item.disable();  // nothing there: no error

    ASSERT_TRUE(item.enable());
    const fs::path entry = home_.path() / ".config" / "autostart" / "velmor.desktop";
    EXPECT_EQ(item.entryPath(), entry);
    EXPECT_TRUE(item.isEnabled());
    EXPECT_EQ(contents(entry),
              "[Desktop Entry]\nType=Application\nName=Velmor\nExec=\"/opt/my apps/velmor\"\n"
              "X-GNOME-Autostart-enabled=true\n");
    ASSERT_TRUE(item.enable());  // again, over the existing entry
    EXPECT_EQ(std::distance(fs::directory_iterator(entry.parent_path()), {}), 1)
        << "no temporary file is left";

    item.disable();
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(item.isEnabled());
}

TEST_F(LoginItemTest, HiddenOrOddEntriesAreNotEnabled) {
    const XdgPaths paths(home_.path(), [](const std::string&) { return std::nullopt; });
    XdgLoginItem item(paths, "/usr/bin/velmor");
    ASSERT_TRUE(item.enable());
    std::ofstream(item.entryPath(), std::ios::app) << "Hidden=true\n";
    EXPECT_FALSE(item.isEnabled());

    std::ofstream(item.entryPath()) << "not a desktop entry\n";
    EXPECT_FALSE(item.isEnabled());

    fs::remove(item.entryPath());
    fs::create_directory(item.entryPath());
    EXPECT_FALSE(item.isEnabled());
    EXPECT_FALSE(item.enable()) << "a folder stands where the entry goes";
}

TEST_F(LoginItemTest, EnableFailsWhereTheConfigFolderCannotBeWritten) {
    const fs::path config = home_.path() / "config";
    const XdgPaths paths(home_.path(), [&](const std::string& name) {
        return name == "XDG_CONFIG_HOME" ? std::optional(config.string()) : std::nullopt;
    });
    XdgLoginItem item(paths, "/usr/bin/velmor");

    std::ofstream(config) << "a file, not a folder";
    EXPECT_FALSE(item.enable());

    fs::remove(config);
    fs::create_directory(config);
    fs::permissions(config, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(config / "probe")) {
        GTEST_SKIP() << "permissions do not bind this user";
    }
    EXPECT_FALSE(item.enable());
    EXPECT_FALSE(item.isEnabled());
}

TEST(DesktopEntryExecTest, QuotesTheProgramAsOneArgument) {
    EXPECT_EQ(execValue("/usr/bin/velmor"), "\"/usr/bin/velmor\"");
    // Quoted argument first (\" \` \$ \\ and %%), then the string escapes double backslashes.
    EXPECT_EQ(execValue("/a \"b\"/$c`d`/e\\f/100%"),
              "\"/a \\\\\"b\\\\\"/\\\\$c\\\\`d\\\\`/e\\\\\\\\f/100%%\"");
    EXPECT_EQ(execValue("/odd\nname"), "\"/odd\\nname\"");
}

}  // namespace
}  // namespace velmor::x11::testing
