#include <gtest/gtest.h>

#include <limits>
#include <regex>

#include "platform/property_list_file.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

Value point(Value x, Value y) {
    return Value(Value::Array{std::move(x), std::move(y)});
}

// Valid samples with one point replaced.
Value samplesWithPoint(Value replacement) {
    auto all = *makeSamples().asArray();
    auto sample = *all[1].asArray();
    sample[17] = std::move(replacement);
    all[1] = Value(std::move(sample));
    return Value(std::move(all));
}

TEST(SyncValueRule, ActionsBelow8192Utf16UnitsAndThreeSamplesOf48FinitePoints) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    std::string clefs;  // "𝄞" is two UTF-16 code units
    for (int i = 0; i < 4095; ++i) {
        clefs += "\xF0\x9D\x84\x9E";
    }
    const struct {
        Value value;
        const char* kind;
        bool valid;
    } cases[] = {
        {Value(std::string(8191, 'a')), "action", true},
        {Value(std::string(8192, 'a')), "action", false},
        {Value(clefs + "a"), "action", true},
        {Value(clefs + "\xF0\x9D\x84\x9E"), "action", false},
        {Value(""), "action", true},
        {Value("/x.app"), "Action", false},
        {makeSamples(), "samples", true},
        {samplesWithPoint(point(Value::boolean(true), Value::real(1e300))), "samples", true},
        {makeSamples(0, 4), "samples", false},
        {makeSamples(0, 3, 47), "samples", false},
        {samplesWithPoint(Value(Value::Array{Value::real(0.5)})), "samples", false},
        {samplesWithPoint(Value(Value::Array{Value::real(0), Value::real(0), Value::real(0)})),
         "samples", false},
        {samplesWithPoint(point(Value::real(0.5), Value("0.5"))), "samples", false},
        {samplesWithPoint(point(Value::real(nan), Value::real(0))), "samples", false},
        {samplesWithPoint(point(Value::real(0), Value::real(-inf))), "samples", false},
        {makeSamples(), "action", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(VLVelmorSync::velmorSyncIsValidValue(c.value, c.kind), c.valid)
            << c.kind << " " << (c.value.asString() ? c.value.asString()->size() : 0);
    }
}

TEST(SyncEventWriter, WritesTheEightKeyFileNamedByItsIdAndLogsIt) {
    SyncMachine mac;
    TempHome share;
    EXPECT_FALSE(mac.sync.velmorSyncWriteEventForLetter("B", "action", Value("/x.app")));
    EXPECT_EQ(mac.gestureLog().find("velmor-sync"), std::string::npos);

    fs::create_directories(eventsFolder(share.path()));
    mac.defaults().setString("VLVelmorSyncV2Folder", share.path().string());
    double now = mac.platform.scheduler().secondsSince1970();
    ASSERT_TRUE(mac.sync.velmorSyncWriteEventForLetter("B", "action", std::nullopt));
    auto files = eventFiles(share.path());
    ASSERT_EQ(files.size(), 1u);
    auto event = files::readPropertyListFile(files[0]);
    ASSERT_TRUE(event && event->asDictionary());
    const auto& id = *event->find("id")->asString();
    EXPECT_TRUE(std::regex_match(id, std::regex("[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}")));
    EXPECT_EQ(files[0].filename().string(), id + ".plist");
    EXPECT_EQ(event->asDictionary()->size(), 8u);
    EXPECT_EQ(event->find("format")->asInteger()->value, 2);
    EXPECT_EQ(event->find("timestamp")->type(), Value::Type::real);
    EXPECT_DOUBLE_EQ(*event->find("timestamp")->numberAsDouble(), now);
    EXPECT_EQ(event->find("deleted")->asInteger()->value, 1);
    EXPECT_EQ(*event->find("value"), Value(""));
    EXPECT_EQ(*event->find("device"), Value(mac.sync.velmorSyncDeviceID()));
    EXPECT_NE(mac.gestureLog().find(": velmor-sync PUBLISHED B.action " + id + "\n"),
              std::string::npos);

    // Without its events folder the write fails whole, says so and creates nothing.
    fs::remove_all(share.path() / "VelmorSync-v2");
    EXPECT_FALSE(mac.sync.velmorSyncWriteEventForLetter("C", "samples", makeSamples()));
    EXPECT_NE(mac.gestureLog().find(": velmor-sync WRITE_FAILED C.samples "), std::string::npos);
    EXPECT_FALSE(fs::exists(share.path() / "VelmorSync-v2"));
}

}  // namespace
}  // namespace velmor::testing
