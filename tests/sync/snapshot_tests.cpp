#include <gtest/gtest.h>

#include "letters/letter_store.h"
#include "platform/property_list_file.h"
#include "sync/snapshot.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

Value entry(const char* kind, Value value) {
    return Value(Value::Dictionary{{kind, std::move(value)}});
}

TEST(SyncSnapshot, HoldsStoredValuesOnlyWithMsOlderSamples) {
    SyncMachine mac;
    EXPECT_EQ(mac.sync.velmorSyncSnapshot(), Value(Value::Dictionary{}));  // A's default unshared

    mac.defaults().set(defaults_key::kStudioMTemplates, makeSamples(0.3));
    mac.setSamples("B", makeSamples(0.2, 2));  // too few to count
    mac.setAction("B", "");
    mac.setAction("C", "/c.app");
    mac.setSamples("D", makeSamples(0.4, 5));
    EXPECT_EQ(mac.sync.velmorSyncSnapshot(), Value(Value::Dictionary{
                                                 {"C", entry("action", "/c.app")},
                                                 {"D", entry("samples", makeSamples(0.4, 5))},
                                                 {"M", entry("samples", makeSamples(0.3))},
                                             }));
}

// Only events whose letter, kind and value are there, as the kinds they must be, count.
TEST(SyncSnapshot, FromEventsTakesOnlyWholeEvents) {
    const auto event = [](Value kind) {
        Value::Dictionary fields = eventDictionary("id", "B", "action", 1.0, Value("/b"));
        fields["kind"] = std::move(kind);
        return Value(std::move(fields));
    };
    Value::Dictionary table{{"B.action", event(Value("action"))},
                            {"C.bad-kind", event(Value::integer(1))}};
    EXPECT_EQ(snapshotFromEvents(Value(table)),
              Value(Value::Dictionary{{"B", entry("action", Value("/b"))}}));
}

TEST(SyncApply, MakesTheStoreEqualTheSnapshotOnDisk) {
    SyncMachine mac;
    for (const auto& letter : alphabetLetters()) {
        mac.setSamples(letter, makeSamples(0.5));
        mac.setAction(letter, "/" + letter);
    }
    mac.defaults().set(defaults_key::kStudioMTemplates, makeSamples(0.3));
    mac.defaults().setString(defaults_key::kStudioTrainingLetter, "K");

    auto snapshot = Value(
        Value::Dictionary{{"M", entry("samples", makeSamples(0.3))}, {"Q", entry("action", "/q")}});
    mac.sync.velmorSyncApplySnapshot(snapshot);
    EXPECT_EQ(mac.sync.velmorSyncSnapshot(), snapshot);
    EXPECT_EQ(mac.defaults().object(VLLetterTemplatesKey("M")), makeSamples(0.3));
    EXPECT_FALSE(mac.defaults().object(defaults_key::kStudioMTemplates));
    EXPECT_EQ(mac.defaults().string(defaults_key::kStudioTrainingLetter), "K");
    EXPECT_EQ(mac.host.menuRefreshes, 1);
    auto onDisk = files::readPropertyListFile(mac.platform.defaultsPath());
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(*onDisk->find(VLLetterActionKey("Q")), Value("/q"));
    EXPECT_EQ(onDisk->find(VLLetterActionKey("B")), nullptr);

    mac.sync.velmorSyncApplySnapshot(Value(Value::Dictionary{}));
    for (const auto& letter : alphabetLetters()) {
        EXPECT_FALSE(mac.defaults().object(VLLetterTemplatesKey(letter))) << letter;
        EXPECT_FALSE(mac.defaults().object(VLLetterActionKey(letter))) << letter;
    }
}

}  // namespace
}  // namespace velmor::testing
