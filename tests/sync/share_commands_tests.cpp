#include <gtest/gtest.h>

#include <regex>
#include <system_error>

#include "platform/property_list_file.h"
#include "sync/sync_texts.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

using namespace sync_text;
const std::string kStatusTail(kStatusDetailAfterFolder);

// Which notice is shown; the texts themselves are the constants' business.
void expectNotice(const SyncMachine& mac, std::string_view title, std::string_view detail) {
    ASSERT_FALSE(mac.host.notices.empty());
    EXPECT_EQ(mac.host.notices.back(), std::pair(std::string(title), std::string(detail)));
}

TEST(SyncStart, PublishesEveryLocalValueIntoAFreshFolder) {
    SyncMachine mac;
    TempHome share;
    mac.setSamples("B", makeSamples(0.2));
    mac.setAction("B", "/b.app");
    mac.setAction("C", "https://c.example/");
    mac.defaults().setString("VLVelmorSyncRole", "master");

    mac.start(share.path() / "Cloud");
    expectNotice(mac, kShareStartedTitle, kShareStartedDetail);
    const auto panel = mac.platform.recordsOfKind("panel").at(0).fields;
    EXPECT_EQ(panel.at("title"), Value(std::string(kPanelTitle)));
    EXPECT_EQ(panel.at("canChooseFiles"), Value::boolean(false));  // a folder, never a file
    EXPECT_EQ(panel.at("canChooseDirectories"), Value::boolean(true));
    EXPECT_EQ(eventFiles(share.path() / "Cloud").size(), 3u);
    auto snapshot = mac.sync.velmorSyncSnapshot();
    EXPECT_EQ(mac.sync.velmorSyncSnapshotWithEvents(mac.sync.velmorSyncReadLatestEvents()),
              snapshot);
    auto onDisk = files::readPropertyListFile(mac.platform.defaultsPath());
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(*onDisk->find("VLVelmorSyncV2LastApplied"), snapshot);
    EXPECT_EQ(*onDisk->find("VLVelmorSyncV2Folder"), Value((share.path() / "Cloud").string()));
    EXPECT_EQ(*onDisk->find("VLVelmorSyncV2Enabled"), Value::boolean(true));
    EXPECT_EQ(onDisk->find("VLVelmorSyncRole"), nullptr);
}

TEST(SyncStart, RefusesAUsedOrUnusableFolderWithNothingChanged) {
    SyncMachine mac;
    TempHome share;
    mac.setAction("C", "/c.app");
    mac.defaults().setString("VLVelmorSyncRole", "master");
    mac.sync.velmorSyncSetMaster();  // cancelled: no message at all
    EXPECT_TRUE(mac.host.notices.empty());

    writeFile(share.path() / "file", "x");
    mac.start(share.path() / "file");
    expectNotice(mac, kFolderErrorTitle,
                 std::make_error_code(std::errc::not_a_directory).message());

    // Even a hidden name ending in ".plist" marks the folder as used.
    writeFile(eventsFolder(share.path()) / ".old.plist", "x");
    mac.start(share.path());
    expectNotice(mac, kAlreadyStartedTitle, kAlreadyStartedDetail);
    EXPECT_EQ(eventFiles(share.path()).size(), 1u);
    EXPECT_FALSE(mac.defaults().object("VLVelmorSyncV2Folder"));
    EXPECT_FALSE(mac.defaults().object("VLVelmorSyncV2Enabled"));
    EXPECT_TRUE(mac.defaults().object("VLVelmorSyncRole"));
}

TEST(SyncJoin, RefusesWithoutBelievableEvents) {
    SyncMachine mac;
    TempHome share;
    mac.setAction("C", "/c.app");
    mac.join(share.path());
    expectNotice(mac, kNoShareRecordsTitle, kNoShareRecordsDetail);
    EXPECT_TRUE(mac.backups().empty());
    EXPECT_FALSE(fs::exists(share.path() / "VelmorSync-v2"));
    EXPECT_FALSE(mac.defaults().object("VLVelmorSyncV2Folder"));

    // Only a file nobody can believe: the folder is kept, sync stays off.
    writeFile(eventsFolder(share.path()) / ".partial.plist", "x");
    mac.join(share.path());
    expectNotice(mac, kUnreadableRecordsTitle, kUnreadableRecordsDetail);
    EXPECT_EQ(mac.defaults().string("VLVelmorSyncV2Folder"), share.path().string());
    EXPECT_FALSE(mac.defaults().boolean("VLVelmorSyncV2Enabled"));
    EXPECT_EQ(mac.storedAction("C"), "/c.app");
}

TEST(SyncJoin, TakesTheShareAfterBackingUpTheLocalLetters) {
    SyncMachine first;
    SyncMachine second;
    TempHome share;
    first.setAction("B", "/b.app");
    first.start(share.path());
    second.setAction("X", "/only-here.app");
    auto localBefore = second.sync.velmorSyncSnapshot();

    // A backup that cannot be written stops the join before anything changes.
    writeFile(second.home.path() / "Library/Application Support", "in the way");
    second.join(share.path());
    expectNotice(second, kLocalBackupFailedTitle, kLocalBackupFailedDetail);
    EXPECT_FALSE(second.defaults().object("VLVelmorSyncV2Folder"));
    EXPECT_EQ(second.sync.velmorSyncSnapshot(), localBefore);
    fs::remove(second.home.path() / "Library/Application Support");

    second.join(share.path());
    expectNotice(second, kJoinedTitle, kJoinedDetail);
    EXPECT_EQ(second.sync.velmorSyncSnapshot(), first.sync.velmorSyncSnapshot());
    EXPECT_EQ(second.host.menuRefreshes, 1);
    ASSERT_EQ(second.backups().size(), 1u);
    EXPECT_TRUE(std::regex_match(second.backups()[0].filename().string(),
                                 std::regex("BeforeSync-[0-9A-F-]{36}\\.plist")));
    EXPECT_EQ(files::readPropertyListFile(second.backups()[0]), localBefore);
    EXPECT_EQ(second.defaults().dictionary("VLVelmorSyncV2LastApplied"),
              first.sync.velmorSyncSnapshot());
    EXPECT_TRUE(second.defaults().boolean("VLVelmorSyncV2Enabled"));
    EXPECT_EQ(eventFiles(share.path()).size(), 1u);  // joining publishes nothing
}

TEST(SyncStatus, TellsStateAndFolderAndStopKeepsTheShare) {
    SyncMachine mac;
    TempHome share;
    mac.sync.velmorSyncStatus();
    expectNotice(mac, kStatusTitle, "상태: 꺼짐\n공유 폴더: 지정되지 않음" + kStatusTail);
    mac.setAction("C", "/c.app");
    mac.start(share.path());
    mac.sync.velmorSyncStatus();
    expectNotice(mac, kStatusTitle,
                 "상태: 양방향 동기화 켜짐\n공유 폴더: " + share.path().string() + kStatusTail);

    mac.sync.velmorSyncStop();
    expectNotice(mac, kStoppedTitle, kStoppedDetail);
    auto onDisk = files::readPropertyListFile(mac.platform.defaultsPath());
    EXPECT_EQ(*onDisk->find("VLVelmorSyncV2Enabled"), Value::boolean(false));
    EXPECT_TRUE(onDisk->find("VLVelmorSyncV2LastApplied"));

    // Stopped: "지금 동기화" publishes nothing and shows the status.
    mac.setAction("C", "/changed.app");
    mac.sync.velmorSyncNow();
    EXPECT_EQ(eventFiles(share.path()).size(), 1u);
    expectNotice(mac, kStatusTitle,
                 "상태: 꺼짐\n공유 폴더: " + share.path().string() + kStatusTail);
}

TEST(SyncStart, AnEmptyFolderChoiceIsACancel) {
    SyncMachine mac;
    mac.setAction("C", "/c.app");
    mac.start("");
    mac.join("");
    EXPECT_TRUE(mac.host.notices.empty());
    EXPECT_FALSE(mac.defaults().object("VLVelmorSyncV2Folder"));
}

}  // namespace
}  // namespace velmor::testing
