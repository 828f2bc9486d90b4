#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <regex>

#include "core/property_list.h"
#include "platform/property_list_file.h"
#include "sync/velmor_sync.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

bool valid(const Value& value, const std::string& kind) {
    return VLVelmorSync::velmorSyncIsValidValue(value, kind);
}

TEST(SyncValueRule, ActionLengthCountsUtf16CodeUnits) {
    EXPECT_TRUE(valid(Value(std::string(8191, 'a')), "action"));
    EXPECT_FALSE(valid(Value(std::string(8192, 'a')), "action"));
    EXPECT_TRUE(valid(Value(""), "action"));
    // "𝄞" is two UTF-16 code units in four UTF-8 bytes.
    std::string clefs;
    for (int i = 0; i < 4095; ++i) {
        clefs += "\xF0\x9D\x84\x9E";
    }
    EXPECT_TRUE(valid(Value(clefs + "a"), "action"));
    EXPECT_FALSE(valid(Value(clefs + "\xF0\x9D\x84\x9E"), "action"));
    EXPECT_FALSE(valid(Value::integer(3), "action"));
    EXPECT_FALSE(valid(Value("/Applications/Notes.app"), "Action"));
}

TEST(SyncValueRule, SamplesMustBeThreeOfFortyEightFinitePoints) {
    EXPECT_TRUE(valid(makeSamples(), "samples"));
    EXPECT_TRUE(
        valid(samplesWithPoint(Value(Value::Array{Value::boolean(true), Value::integer(-7)})),
              "samples"));
    EXPECT_TRUE(valid(samplesWithPoint(Value(Value::Array{Value::real(1e300), Value::real(-4)})),
                      "samples"));
    EXPECT_FALSE(valid(makeSamples(0, 4), "samples"));
    EXPECT_FALSE(valid(makeSamples(0, 2), "samples"));
    EXPECT_FALSE(valid(makeSamples(0, 3, 47), "samples"));
    EXPECT_FALSE(valid(samplesWithPoint(Value(Value::Array{Value::real(0.5)})), "samples"));
    EXPECT_FALSE(valid(
        samplesWithPoint(Value(Value::Array{Value::real(0.5), Value::real(0.5), Value::real(0.5)})),
        "samples"));
    EXPECT_FALSE(
        valid(samplesWithPoint(Value(Value::Array{Value::real(0.5), Value("0.5")})), "samples"));
    EXPECT_FALSE(valid(samplesWithPoint(Value(Value::Array{
                           Value::real(std::numeric_limits<double>::quiet_NaN()), Value::real(0)})),
                       "samples"));
    EXPECT_FALSE(valid(samplesWithPoint(Value(Value::Array{
                           Value::real(0), Value::real(-std::numeric_limits<double>::infinity())})),
                       "samples"));
    EXPECT_FALSE(valid(samplesWithPoint(Value::real(0.5)), "samples"));
    EXPECT_FALSE(valid(makeSamples(), "action"));
    EXPECT_FALSE(valid(makeSamples(), "strokes"));
}

TEST(SyncEventWriter, WritesTheEightKeyFileNamedByItsId) {
    SyncMachine mac;
    TempHome share;
    EXPECT_FALSE(mac.sync.velmorSyncWriteEventForLetter("B", "action", Value("/x.app")));
    EXPECT_EQ(mac.gestureLog().find("velmor-sync"), std::string::npos);

    fs::create_directories(eventsFolder(share.path()));
    mac.defaults().setString("VLVelmorSyncV2Folder", share.path().string());
    double before = mac.platform.scheduler().secondsSince1970();
    ASSERT_TRUE(mac.sync.velmorSyncWriteEventForLetter("B", "action", Value("/x.app")));
    mac.platform.advance(0.25);
    ASSERT_TRUE(mac.sync.velmorSyncWriteEventForLetter("B", "action", std::nullopt));

    auto files = eventFiles(share.path());
    ASSERT_EQ(files.size(), 2u);
    std::regex uppercaseUuid("[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}");
    std::vector<Value> events;
    for (const auto& file : files) {
        auto event = files::readPropertyListFile(file);
        ASSERT_TRUE(event && event->asDictionary());
        EXPECT_EQ(event->asDictionary()->size(), 8u);
        const auto* id = event->find("id")->asString();
        EXPECT_TRUE(std::regex_match(*id, uppercaseUuid));
        EXPECT_EQ(file.filename().string(), *id + ".plist");
        EXPECT_EQ(event->find("format")->type(), Value::Type::integer);
        EXPECT_EQ(*event->find("format"), Value::integer(2));
        EXPECT_EQ(event->find("timestamp")->type(), Value::Type::real);
        EXPECT_EQ(*event->find("device"), Value(mac.sync.velmorSyncDeviceID()));
        EXPECT_EQ(event->find("deleted")->type(), Value::Type::integer);
        events.push_back(*event);
    }
    std::sort(events.begin(), events.end(), [](const Value& a, const Value& b) {
        return *a.find("timestamp")->numberAsDouble() < *b.find("timestamp")->numberAsDouble();
    });
    EXPECT_DOUBLE_EQ(*events[0].find("timestamp")->numberAsDouble(), before);
    EXPECT_DOUBLE_EQ(*events[1].find("timestamp")->numberAsDouble(), before + 0.25);
    EXPECT_EQ(*events[0].find("deleted"), Value::integer(0));
    EXPECT_EQ(*events[0].find("value"), Value("/x.app"));
    EXPECT_EQ(*events[1].find("deleted"), Value::integer(1));
    EXPECT_EQ(*events[1].find("value"), Value(""));

    auto log = mac.gestureLog();
    EXPECT_NE(
        log.find(": velmor-sync PUBLISHED B.action " + *events[0].find("id")->asString() + "\n"),
        std::string::npos);
    // A removed events folder: the write fails whole and says so.
    fs::remove_all(share.path() / "VelmorSync-v2");
    EXPECT_FALSE(mac.sync.velmorSyncWriteEventForLetter("C", "samples", makeSamples()));
    EXPECT_NE(mac.gestureLog().find(": velmor-sync WRITE_FAILED C.samples "), std::string::npos);
    EXPECT_FALSE(fs::exists(share.path() / "VelmorSync-v2"));
}

TEST(SyncEventWriter, DeviceIdIsMadeOnceAndRemadeWhenRemoved) {
    SyncMachine mac;
    auto first = mac.sync.velmorSyncDeviceID();
    EXPECT_EQ(first.size(), 36u);
    EXPECT_EQ(mac.sync.velmorSyncDeviceID(), first);
    EXPECT_EQ(mac.defaults().string("VLVelmorSyncV2DeviceID"), first);
    mac.defaults().remove("VLVelmorSyncV2DeviceID");
    EXPECT_NE(mac.sync.velmorSyncDeviceID(), first);
}

TEST(SyncEventWriter, UsedFolderIsToldByAnyPlistName) {
    SyncMachine mac;
    TempHome share;
    auto folder = eventsFolder(share.path());
    EXPECT_FALSE(mac.sync.velmorSyncReadEventsAtPath(folder.string()));
    fs::create_directories(folder / "sub.plist.d");
    writeFile(folder / "notes.txt", "x");
    EXPECT_FALSE(mac.sync.velmorSyncReadEventsAtPath(folder.string()));
    writeFile(folder / ".hidden.plist", "not even a property list");
    EXPECT_TRUE(mac.sync.velmorSyncReadEventsAtPath(folder.string()));
}

}  // namespace
}  // namespace velmor::testing
