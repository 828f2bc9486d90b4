#include <gtest/gtest.h>

#include <regex>

#include "letters/letter_store.h"
#include "platform/property_list_file.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

TEST(SyncSnapshot, HoldsStoredValuesOnlyWithMsOlderSamples) {
    SyncMachine mac;
    EXPECT_EQ(mac.sync.velmorSyncSnapshot(), Value(Value::Dictionary{}));  // A's default unshared

    mac.defaults().set(defaults_key::kStudioMTemplates, makeSamples(0.3));
    mac.setSamples("B", makeSamples(0.2, 2));  // too few to count
    mac.setAction("B", "");
    mac.setAction("C", "/Applications/Calculator.app");
    mac.setSamples("D", makeSamples(0.4, 5));
    auto snapshot = mac.sync.velmorSyncSnapshot();
    EXPECT_EQ(
        snapshot,
        Value(Value::Dictionary{
            {"C", Value(Value::Dictionary{{"action", Value("/Applications/Calculator.app")}})},
            {"D", Value(Value::Dictionary{{"samples", makeSamples(0.4, 5)}})},
            {"M", Value(Value::Dictionary{{"samples", makeSamples(0.3)}})},
        }));
}

TEST(SyncApply, MakesTheStoreEqualTheSnapshotAndWritesItToDisk) {
    SyncMachine mac;
    for (const auto& letter : alphabetLetters()) {
        mac.setSamples(letter, makeSamples(0.5));
        mac.setAction(letter, "/" + letter);
    }
    mac.defaults().set(defaults_key::kStudioMTemplates, makeSamples(0.3));
    mac.defaults().setString(defaults_key::kStudioTrainingLetter, "K");

    mac.sync.velmorSyncApplySnapshot(Value(Value::Dictionary{
        {"M", Value(Value::Dictionary{{"samples", makeSamples(0.3)}})},
        {"Q", Value(Value::Dictionary{{"action", Value("/q")}})},
    }));
    EXPECT_EQ(mac.defaults().object(VLLetterTemplatesKey("M")), makeSamples(0.3));
    EXPECT_FALSE(mac.defaults().object(defaults_key::kStudioMTemplates));
    EXPECT_EQ(mac.storedAction("Q"), "/q");
    EXPECT_FALSE(mac.defaults().object(VLLetterTemplatesKey("Q")));
    EXPECT_FALSE(mac.storedAction("M"));
    EXPECT_FALSE(mac.defaults().object(VLLetterTemplatesKey("A")));
    EXPECT_EQ(mac.defaults().string(defaults_key::kStudioTrainingLetter), "K");
    EXPECT_EQ(mac.host.menuRefreshes, 1);

    auto onDisk = files::readPropertyListFile(mac.platform.defaultsPath());
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(*onDisk->find(VLLetterActionKey("Q")), Value("/q"));
    EXPECT_EQ(onDisk->find(VLLetterActionKey("B")), nullptr);

    // An empty snapshot clears all 26 letters.
    mac.sync.velmorSyncApplySnapshot(Value(Value::Dictionary{}));
    for (const auto& letter : alphabetLetters()) {
        EXPECT_FALSE(mac.defaults().object(VLLetterTemplatesKey(letter))) << letter;
        EXPECT_FALSE(mac.defaults().object(VLLetterActionKey(letter))) << letter;
    }
}

TEST(SyncBackup, WritesEachSnapshotToANewFileOrFailsWhole) {
    SyncMachine mac;
    auto snapshot = Value(Value::Dictionary{
        {"C", Value(Value::Dictionary{{"action", Value("/c")}})},
    });
    ASSERT_TRUE(mac.sync.velmorSyncBackup(snapshot));
    ASSERT_TRUE(mac.sync.velmorSyncBackup(Value(Value::Dictionary{})));
    auto backups = mac.backups();
    ASSERT_EQ(backups.size(), 2u);
    std::regex name("BeforeSync-[0-9A-F]{8}-([0-9A-F]{4}-){3}[0-9A-F]{12}\\.plist");
    bool found = false;
    for (const auto& backup : backups) {
        EXPECT_TRUE(std::regex_match(backup.filename().string(), name));
        found = found || files::readPropertyListFile(backup) == snapshot;
    }
    EXPECT_TRUE(found);

    // A file where the folder must be.
    TempHome blocked;
    sim::SimPlatform platform{sim::SimOptions{blocked.path(), true, std::nullopt}};
    RecordingSyncHost host;
    VLVelmorSync sync{platform, host};
    writeFile(blocked.path() / "Library/Application Support/Velmor", "in the way");
    EXPECT_FALSE(sync.velmorSyncBackup(snapshot));
}

}  // namespace
}  // namespace velmor::testing
