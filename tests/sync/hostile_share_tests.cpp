#include <gtest/gtest.h>

#include "letters/letter_recognition.h"
#include "support/hostile_plists.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

// One Mac that started the share and one that joined it.
struct SharedFolder : ::testing::Test {
    SyncMachine other;
    SyncMachine mine;
    TempHome cloud;
    fs::path share = cloud.path() / "Share";

    void SetUp() override {
        other.setAction("B", "/b.app");
        other.start(share);
    }
    void otherPublishes(const std::string& letter, const std::string& action) {
        other.platform.advance(5.0);
        mine.platform.advance(5.0);
        other.setAction(letter, action);
        other.sync.velmorSyncTick();
        mine.sync.velmorSyncTick();
    }
    std::size_t opened() const { return mine.platform.recordsOfKind("open-file").size(); }
    void launch(const fs::path& path) {
        VLLaunchLetterApplication(mine.platform, path.string());
        mine.platform.runUntilIdle();
    }
};

TEST_F(SharedFolder, PlantedFilesAreNoEventsAndStopNothing) {
    const fs::path events = eventsFolder(share);
    writeFile(events / "10000000-0000-4000-8000-000000000000.plist", chainedArraysBinary(100000));
    writeFile(events / "20000000-0000-4000-8000-000000000000.plist", chainedArraysBinary(30, 2));
    writeFile(events / "30000000-0000-4000-8000-000000000000.plist", nestedArraysXml(60000));
    mine.join(share);
    ASSERT_FALSE(mine.host.notices.empty());
    EXPECT_EQ(mine.host.notices.back().first, "양방향 공유 참여 완료");
    EXPECT_EQ(mine.storedAction("B"), "/b.app");
    otherPublishes("C", "/c.app");
    EXPECT_EQ(mine.storedAction("C"), "/c.app");
}

TEST_F(SharedFolder, AnApplicationTheShareDeliversNeverRuns) {
    mine.join(share);
    const fs::path planted = share / "Tools" / "Helper.app";
    fs::create_directories(planted / "Contents");
    otherPublishes("Q", planted.string());
    ASSERT_EQ(mine.storedAction("Q"), planted.string());

    launch(*VLLetterAction(mine.platform, "Q"));
    fs::create_directory_symlink(share, cloud.path() / "Link");
    launch(cloud.path() / "Link" / "Tools" / "Helper.app");
    EXPECT_EQ(opened(), 0u);
    const std::string refused = "studio=ALPHABET error=not_app path=";
    EXPECT_NE(mine.gestureLog().find(refused + planted.string() + "\n"), std::string::npos);
    EXPECT_NE(mine.gestureLog().find(refused + (cloud.path() / "Link").string()),
              std::string::npos);

    // The same bundle elsewhere, even in a folder named like the share, opens as before.
    const fs::path elsewhere = cloud.path() / "Share-old" / "Helper.app";
    fs::create_directories(elsewhere);
    launch(elsewhere);
    EXPECT_EQ(opened(), 1u);

    // A share folder that is offline still covers what the system knows to lie under it.
    mine.defaults().setString("VLVelmorSyncV2Folder", (cloud.path() / "Offline").string());
    mine.platform.installApplication((cloud.path() / "Offline/X.app").string(), "com.x");
    launch(cloud.path() / "Offline/X.app");
    EXPECT_EQ(opened(), 1u);
}

}  // namespace
}  // namespace velmor::testing
