// Starting at login through an autostart entry, in a home of the test's own.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/x11/xdg_login_item.h"
#include "x11/temp_folder.h"
#include "x11/wait_until.h"

namespace velmor::x11::testing {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> unset(const std::string&) {
    return std::nullopt;
}

TEST(LoginItemTest, EntryRoundTripsWithTheProgramQuotedAsOneArgument) {
    const TempFolder home;
    XdgLoginItem item(XdgPaths(home.path(), unset), "/opt/my \"apps\"/$v`x`/a\\b/100%");
    EXPECT_FALSE(item.isEnabled());
    item.disable();  // nothing there: no error

    ASSERT_TRUE(item.enable());
    ASSERT_TRUE(item.enable());  // again, over the entry
    const fs::path entry = home.path() / ".config" / "autostart" / "velmor.desktop";
    EXPECT_EQ(item.entryPath(), entry);
    EXPECT_TRUE(item.isEnabled());
    // Quoted first (\" \` \$ \\, %%), then the string escapes double each backslash.
    EXPECT_EQ(readFile(entry),
              "[Desktop Entry]\nType=Application\nName=Velmor\n"
              "Comment=Mouse gestures: hold the right button and draw\n"
              "Comment[ko]=오른쪽 버튼을 누른 채 그리는 마우스 제스처\nIcon=velmor\n"
              "TryExec=/opt/my \"apps\"/$v`x`/a\\\\b/100%\n"
              "Exec=\"/opt/my \\\\\"apps\\\\\"/\\\\$v\\\\`x\\\\`/a\\\\\\\\b/100%%\"\n"
              "X-GNOME-Autostart-enabled=true\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(entry.parent_path()), {}), 1)
        << "no temporary file is left";

    EXPECT_FALSE(item.turnedOffElsewhere());
    std::ofstream(entry, std::ios::app) << "Hidden=true\n";
    EXPECT_FALSE(item.isEnabled());
    EXPECT_TRUE(item.turnedOffElsewhere());
    item.disable();
    EXPECT_FALSE(item.turnedOffElsewhere());
    EXPECT_FALSE(fs::exists(entry));
    EXPECT_FALSE(item.isEnabled());
}

// The desktop's own startup settings switch the entry off with GNOME's key too; a program
// in its build folder never puts itself into the autostart.
TEST(LoginItemTest, TheDesktopsSwitchIsReadAndABuildFolderIsNeverStartedAtLogin) {
    const TempFolder home;
    XdgLoginItem item(XdgPaths(home.path(), unset), "/usr/bin/velmor");
    ASSERT_TRUE(item.enable());
    const std::string written = readFile(item.entryPath());
    std::ofstream(item.entryPath())
        << std::string(written).replace(written.find("enabled=true"), 12, "enabled=false");
    EXPECT_FALSE(item.isEnabled());
    EXPECT_TRUE(item.turnedOffElsewhere());
    ASSERT_TRUE(item.enable());  // the user turns it on in Velmor again
    EXPECT_TRUE(item.isEnabled());

    const TempFolder other;
    XdgLoginItem built(XdgPaths(other.path(), unset), "/home/ana/velmor/build/velmor", false);
    EXPECT_FALSE(built.enable());
    EXPECT_FALSE(fs::exists(built.entryPath()));
}

TEST(LoginItemTest, EnableFailsWhereTheEntryCannotBeWritten) {
    const TempFolder home;
    const fs::path config = home.path() / "config";
    XdgLoginItem item(XdgPaths(home.path(),
                               [&](const std::string& name) {
                                   return name == "XDG_CONFIG_HOME" ? std::optional(config.string())
                                                                    : std::nullopt;
                               }),
                      "/usr/bin/velmor");

    std::ofstream(config) << "a file where the folder goes";
    EXPECT_FALSE(item.enable());
    fs::remove(config);
    fs::create_directories(item.entryPath());
    EXPECT_FALSE(item.enable()) << "a folder stands where the entry goes";
    EXPECT_FALSE(item.isEnabled());

    fs::remove_all(config);
    fs::create_directory(config);
    fs::permissions(config, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(config / "probe")) {
        GTEST_SKIP() << "permissions do not bind this user";
    }
    EXPECT_FALSE(item.enable());
    EXPECT_FALSE(item.isEnabled());
}

}  // namespace
}  // namespace velmor::x11::testing
