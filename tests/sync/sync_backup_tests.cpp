#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <set>

#include "support/temp_home.h"
#include "sync/sync_backup.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

// A peer that flips a letter every tick makes a backup every tick: only the newest stay.
TEST(SyncBackup, OnlyTheNewestBackupsAreKeptAndNothingElseIsTouched) {
    TempHome home;
    const fs::path folder = syncBackupFolder(home.path());
    const Value snapshot(Value::Dictionary{});
    ASSERT_TRUE(writeSyncBackup(home.path(), snapshot));
    fs::create_directories(folder / "BeforeSync-folder.plist");
    std::ofstream(folder / "notes.txt") << "mine";
    std::ofstream(folder / "BeforeSync-kept-by-hand.txt") << "mine too";
    // Older backups, a minute apart, and one stamped in the future by a clock gone wrong.
    const auto now = fs::file_time_type::clock::now();
    for (int age = 1; age <= 40; ++age) {
        const fs::path old = folder / ("BeforeSync-old-" + std::to_string(age) + ".plist");
        std::ofstream(old) << "old";
        fs::last_write_time(old, now - std::chrono::minutes(age));
    }
    std::ofstream(folder / "BeforeSync-future.plist") << "future";
    fs::last_write_time(folder / "BeforeSync-future.plist", now + std::chrono::hours(24));

    ASSERT_TRUE(writeSyncBackup(home.path(), snapshot));
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder)) {
        left.insert(entry.path().filename().string());
    }
    EXPECT_TRUE(left.contains("notes.txt"));
    EXPECT_TRUE(left.contains("BeforeSync-kept-by-hand.txt"));
    EXPECT_TRUE(left.contains("BeforeSync-folder.plist"));
    EXPECT_TRUE(left.contains("BeforeSync-future.plist"));
    EXPECT_TRUE(left.contains("BeforeSync-old-27.plist"));
    EXPECT_FALSE(left.contains("BeforeSync-old-28.plist"));
    std::size_t backups = 0;
    for (const std::string& name : left) {
        backups += name.starts_with("BeforeSync-") && name.ends_with(".plist") &&
                   name != "BeforeSync-folder.plist";
    }
    EXPECT_EQ(backups, kKeptSyncBackups);
}

}  // namespace
}  // namespace velmor::testing
