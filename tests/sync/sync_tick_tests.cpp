#include <gtest/gtest.h>

#include "letters/letter_recognition.h"
#include "letters/letter_store.h"
#include "platform/property_list_file.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

// Two Macs with their own homes and clocks, one share folder that both see.
struct TwoMacs : ::testing::Test {
    SyncMachine one;
    SyncMachine two;
    TempHome cloud;
    fs::path share = cloud.path() / "Share";

    void SetUp() override {
        one.setAction("B", "/b.app");
        one.setSamples("B", makeSamples(0.2));
        one.start(share);
        two.setAction("X", "/x.app");
        two.join(share);
        later();
    }
    void later(double seconds = 5.0) {
        one.platform.advance(seconds);
        two.platform.advance(seconds);
    }
};

TEST_F(TwoMacs, LaterChangeWinsOnBothAndTheLoserIsBackedUp) {
    ASSERT_TRUE(two.defaults().boolean("VLVelmorSyncV2Enabled"));
    auto backupsBefore = two.backups().size();
    // Both change B before either ticks; the event published later is the newer one.
    two.setAction("B", "/two.app");
    one.setAction("B", "/one.app");
    two.sync.velmorSyncTick();
    later(1.0);
    one.sync.velmorSyncTick();
    two.sync.velmorSyncTick();
    EXPECT_EQ(one.storedAction("B"), "/one.app");
    EXPECT_EQ(two.storedAction("B"), "/one.app");
    EXPECT_EQ(two.backups().size(), backupsBefore + 1);
    EXPECT_EQ(
        occurrences(two.gestureLog(), "velmor-sync merged remote changes; local backup saved\n"),
        1u);
    EXPECT_EQ(occurrences(two.gestureLog(), "velmor-sync PUBLISHED B.action"), 1u);
    // The merged letters and the record of them are on disk together.
    auto onDisk = files::readPropertyListFile(two.platform.defaultsPath());
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(*onDisk->find(VLLetterActionKey("B")), Value("/one.app"));
    EXPECT_EQ(*onDisk->find("VLVelmorSyncV2LastApplied"), two.sync.velmorSyncSnapshot());

    // Quiet ticks write nothing.
    auto events = eventFiles(share).size();
    one.sync.velmorSyncTick();
    two.sync.velmorSyncTick();
    EXPECT_EQ(eventFiles(share).size(), events);

    // Retrained samples and a removed action travel too.
    later();
    one.setSamples("B", makeSamples(0.9));
    one.defaults().remove(VLLetterActionKey("B"));
    one.sync.velmorSyncTick();
    two.sync.velmorSyncTick();
    EXPECT_EQ(two.defaults().object(VLLetterTemplatesKey("B")), makeSamples(0.9));
    EXPECT_FALSE(two.storedAction("B"));
    EXPECT_EQ(two.sync.velmorSyncSnapshot(), one.sync.velmorSyncSnapshot());
    EXPECT_EQ(two.host.menuRefreshes, 3);  // join and two merges
}

TEST_F(TwoMacs, UnavailableFolderPausesAndEverythingIsPublishedOnReturn) {
    fs::rename(share, cloud.path() / "Away");
    later();
    one.setAction("C", "/c.app");
    one.setAction("D", "/d.app");
    one.sync.velmorSyncTick();
    EXPECT_FALSE(fs::exists(share));
    EXPECT_EQ(occurrences(one.gestureLog(), "velmor-sync PUBLISHED"), 2u);  // from the start only
    // A pause, not a failure: the log does not fill up while the folder is away.
    EXPECT_EQ(occurrences(one.gestureLog(), "WRITE_FAILED"), 0u);

    fs::rename(cloud.path() / "Away", share);
    one.sync.velmorSyncTick();
    two.sync.velmorSyncTick();
    EXPECT_EQ(two.storedAction("C"), "/c.app");
    EXPECT_EQ(two.storedAction("D"), "/d.app");
}

TEST_F(TwoMacs, EarlyEndsKeepTheDifferencesForTheNextTick) {
    auto lastApplied = one.defaults().dictionary("VLVelmorSyncV2LastApplied");
    later();
    two.setAction("Q", "/q.app");
    two.sync.velmorSyncTick();

    // An invalid local value stops the tick at its letter; a backup that cannot be written
    // cancels the import. Either way nothing local changes and the differences wait.
    one.setAction("C", std::string(8192, 'c'));
    one.setAction("D", "/d.app");
    one.sync.velmorSyncTick();
    EXPECT_EQ(occurrences(one.gestureLog(), "velmor-sync invalid local C.action\n"), 1u);
    EXPECT_EQ(occurrences(one.gestureLog(), "PUBLISHED D.action"), 0u);
    one.setAction("C", "/c.app");
    writeFile(one.home.path() / "Library/Application Support/Velmor/SyncBackups", "in the way");
    one.sync.velmorSyncTick();
    EXPECT_EQ(occurrences(one.gestureLog(), "velmor-sync backup failed: import cancelled\n"), 1u);
    EXPECT_FALSE(one.storedAction("Q"));
    EXPECT_EQ(one.defaults().dictionary("VLVelmorSyncV2LastApplied"), lastApplied);

    fs::remove(one.home.path() / "Library/Application Support/Velmor/SyncBackups");
    later();
    one.sync.velmorSyncTick();
    two.sync.velmorSyncTick();
    EXPECT_EQ(one.storedAction("Q"), "/q.app");
    EXPECT_EQ(occurrences(one.gestureLog(), "PUBLISHED D.action"), 2u);  // again, newer
    EXPECT_EQ(two.sync.velmorSyncSnapshot(), one.sync.velmorSyncSnapshot());
}

TEST_F(TwoMacs, AnApplicationTheShareDeliversNeverRuns) {
    const fs::path planted = share / "Tools" / "Helper.app";
    fs::create_directories(planted / "Contents");
    one.setAction("Q", planted.string());
    one.sync.velmorSyncTick();
    two.sync.velmorSyncTick();
    ASSERT_EQ(two.storedAction("Q"), planted.string());
    const auto opened = [&](const fs::path& path) {
        VLLaunchLetterApplication(two.platform, path.string());
        two.platform.runUntilIdle();
        return two.platform.recordsOfKind("open-file").size();
    };
    fs::create_directory_symlink(share, cloud.path() / "Link");
    EXPECT_EQ(opened(*VLLetterAction(two.platform, "Q")), 0u);
    EXPECT_EQ(opened(cloud.path() / "Link" / "Tools" / "Helper.app"), 0u);
    const std::string refused = "studio=ALPHABET error=not_app path=";
    EXPECT_EQ(occurrences(two.gestureLog(), refused + planted.string() + "\n"), 1u);
    EXPECT_EQ(occurrences(two.gestureLog(), refused + (cloud.path() / "Link").string()), 1u);

    // The same bundle elsewhere, even in a folder named like the share, opens as before.
    const fs::path elsewhere = cloud.path() / "Share-old" / "Helper.app";
    fs::create_directories(elsewhere);
    EXPECT_EQ(opened(elsewhere), 1u);

    // A share folder that is offline still covers what the system knows to lie under it.
    two.defaults().setString("VLVelmorSyncV2Folder", (cloud.path() / "Offline").string());
    two.platform.installApplication((cloud.path() / "Offline/X.app").string(), "com.x");
    EXPECT_EQ(opened(cloud.path() / "Offline/X.app"), 1u);
}

}  // namespace
}  // namespace velmor::testing
