#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

#include "platform/property_list_file.h"
#include "support/temp_home.h"

namespace velmor::files {
namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::size_t entriesIn(const fs::path& folder) {
    return static_cast<std::size_t>(
        std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

TEST(Files, WriteAtomicallyReplacesWholeAndLeavesNothingBehind) {
    testing::TempHome home;
    const fs::path file = home.path() / "settings.plist";
    ASSERT_TRUE(writeAtomically(file, "first"));
    ASSERT_TRUE(writeAtomically(file, "second, longer"));
    EXPECT_EQ(readRegularFile(file, 1024), "second, longer");
    EXPECT_EQ(entriesIn(home.path()), 2u);  // Desktop and the file: no temporary

    // The rename fails over a folder that is not empty: false, and the temporary is gone.
    const fs::path folder = home.path() / "taken";
    ASSERT_TRUE(createFolders(folder / "inside"));
    ASSERT_TRUE(createFolders(folder / "inside"));
    EXPECT_FALSE(writeAtomically(folder, "bytes"));
    EXPECT_EQ(entriesIn(home.path()), 3u);
    EXPECT_TRUE(isFolder(folder));

    // A regular file where a folder must be.
    EXPECT_FALSE(writeAtomically(file / "child.plist", "bytes"));
    EXPECT_FALSE(createFolders(file / "sub"));
    EXPECT_FALSE(isFolder(file));
}

// Settings, backups and the log are the user's own: a new file gets what the umask allows,
// a rewritten one keeps its mode, and every folder the program makes is the user's alone.
TEST(Files, NewFilesFollowTheUmaskAndNewFoldersArePrivate) {
    testing::TempHome home;
    const auto modeOf = [](const std::filesystem::path& path) {
        return static_cast<unsigned>(std::filesystem::status(path).permissions());
    };
    const mode_t previous = ::umask(027);
    const auto nested = home.path() / "config" / "velmor";
    EXPECT_TRUE(createFolders(nested));
    EXPECT_TRUE(writeAtomically(nested / "settings.plist", "a"));
    ::umask(077);
    EXPECT_TRUE(writeAtomically(nested / "log.txt", "b"));
    ::umask(previous);
    EXPECT_EQ(modeOf(home.path() / "config"), 0700u);
    EXPECT_EQ(modeOf(nested), 0700u);
    EXPECT_EQ(modeOf(nested / "settings.plist"), 0640u);
    EXPECT_EQ(modeOf(nested / "log.txt"), 0600u);

    std::filesystem::permissions(nested / "settings.plist", std::filesystem::perms(0604));
    EXPECT_TRUE(writeAtomically(nested / "settings.plist", "c"));
    EXPECT_EQ(modeOf(nested / "settings.plist"), 0604u);
    std::filesystem::permissions(home.path(), std::filesystem::perms(0751));
    EXPECT_TRUE(createFolders(home.path() / "more"));
    EXPECT_EQ(modeOf(home.path()), 0751u);  // what exists stays as it is
}

TEST(Files, AppendGoesOnlyToAnExistingRegularFile) {
    testing::TempHome home;
    const fs::path log = home.path() / "Desktop" / "log.txt";
    EXPECT_FALSE(appendToExistingFile(log, "line\n"));
    EXPECT_FALSE(fs::exists(log));
    writeText(log, "one\n");
    EXPECT_TRUE(appendToExistingFile(log, "two\n"));
    EXPECT_EQ(readRegularFile(log, 100), "one\ntwo\n");
    EXPECT_EQ(fileSize(log), 8u);
    EXPECT_FALSE(fileSize(home.path() / "Desktop"));
    EXPECT_FALSE(fileSize(home.path() / "missing"));
    EXPECT_FALSE(appendToExistingFile(home.path() / "Desktop", "x"));
}

TEST(Files, ReadRegularFileRefusesLinksDevicesFoldersAndLargeFiles) {
    testing::TempHome home;
    const fs::path file = home.path() / "file.txt";
    writeText(file, "12345");
    EXPECT_EQ(readRegularFile(file, 5), "12345");
    EXPECT_FALSE(readRegularFile(file, 4));
    EXPECT_FALSE(readRegularFile(home.path() / "missing", 100));
    EXPECT_FALSE(readRegularFile(home.path() / "Desktop", 100));
    EXPECT_FALSE(readRegularFile("/dev/null", 100));
    EXPECT_FALSE(readRegularFile("/dev/zero", 100));  // would never end if it were read

    const fs::path link = home.path() / "link.txt";
    fs::create_symlink(file, link);
    EXPECT_FALSE(readRegularFile(link, 100));

    // A sparse terabyte: reading it would take ages and all memory, so a quick answer
    // shows the size was checked first.
    const fs::path huge = home.path() / "huge.bin";
    writeText(huge, "");
    fs::resize_file(huge, std::uintmax_t{1} << 40);
    EXPECT_FALSE(readRegularFile(huge, std::uint64_t{1} << 30));
    EXPECT_FALSE(readPropertyListFile(huge));
}

}  // namespace
}  // namespace velmor::files
