#include <gtest/gtest.h>
#include <plist/plist.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>

#include "core/property_list.h"
#include "sync/latest_events.h"
#include "sync/velmor_sync.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

constexpr double kT = 1.8e9;  // a time stamp in 2027
const std::string kIdLow = "11111111-0000-4000-8000-000000000000";
const std::string kIdHigh = "EEEEEEEE-0000-4000-8000-000000000000";

std::string keysOf(const Value& table) {
    std::string keys;
    for (const auto& [key, event] : *table.asDictionary()) {
        keys += key + " ";
    }
    return keys;
}

const Value* winnerValue(const Value& table, const std::string& key) {
    const auto* event = table.find(key);
    return event ? event->find("value") : nullptr;
}

std::string xmlOf(const Value::Dictionary& event) {
    return serializeXmlPropertyList(Value(event));
}

// The same XML made exactly `size` bytes long by blank space inside the dictionary.
std::string paddedTo(std::string xml, std::size_t size) {
    auto at = xml.find("<dict>") + 6;
    xml.insert(at, size - xml.size(), ' ');
    return xml;
}

std::string binaryOf(const std::string& xml) {
    plist_t root = nullptr;
    plist_from_xml(xml.data(), static_cast<uint32_t>(xml.size()), &root);
    char* bytes = nullptr;
    uint32_t length = 0;
    plist_to_bin(root, &bytes, &length);
    std::string binary(bytes, length);
    std::free(bytes);
    plist_free(root);
    return binary;
}

TEST(SyncLatestEvents, SkipsEveryFileAReaderMustNotBelieve) {
    TempHome share;
    auto folder = eventsFolder(share.path());
    writeEventFile(folder, "good.plist",
                   eventDictionary(kIdLow, "A", "action", kT, Value("/a.app")));
    // Each of these is newer, so it would win if it were believed.
    auto newer = [&](auto change) {
        auto event = eventDictionary(kIdHigh, "A", "action", kT + 10, Value("/wrong.app"));
        change(event);
        return event;
    };
    writeEventFile(folder, "format1.plist",
                   newer([](auto& e) { e["format"] = Value::integer(1); }));
    writeEventFile(folder, "format-text.plist", newer([](auto& e) { e["format"] = Value("2"); }));
    writeEventFile(folder, "lower.plist", newer([](auto& e) { e["letter"] = Value("a"); }));
    writeEventFile(folder, "two.plist", newer([](auto& e) { e["letter"] = Value("AB"); }));
    writeEventFile(folder, "kind.plist", newer([](auto& e) { e["kind"] = Value("Action"); }));
    writeEventFile(folder, "nodeleted.plist", newer([](auto& e) { e.erase("deleted"); }));
    writeEventFile(folder, "textdeleted.plist", newer([](auto& e) { e["deleted"] = Value("0"); }));
    writeEventFile(folder, "id.plist", newer([](auto& e) { e["id"] = Value::integer(7); }));
    writeEventFile(folder, "time.plist", newer([](auto& e) { e["timestamp"] = Value("soon"); }));
    writeEventFile(folder, "invalid.plist",
                   newer([](auto& e) { e["value"] = Value(std::string(8192, 'x')); }));
    // A time stamp that is not finite would beat or block every other event for good.
    writeEventFile(folder, "inf.plist", newer([](auto& e) {
                       e["timestamp"] = Value::real(std::numeric_limits<double>::infinity());
                   }));
    writeEventFile(folder, "nan.plist", newer([](auto& e) {
                       e["timestamp"] = Value::real(std::numeric_limits<double>::quiet_NaN());
                   }));
    writeEventFile(folder, ".dot.plist", newer([](auto&) {}));
    writeEventFile(folder, "other.xml", newer([](auto&) {}));
    writeFile(folder / "root-array.plist", serializeXmlPropertyList(Value(Value::Array{})));
    // Booleans are numbers: format true is 1, deleted false is 0.
    writeEventFile(folder, "bool.plist",
                   newer([](auto& e) { e["format"] = Value::boolean(true); }));

    LatestEventsReader reader;
    auto table = reader.read(folder);
    EXPECT_EQ(keysOf(table), "A.action ");
    EXPECT_EQ(*winnerValue(table, "A.action"), Value("/a.app"));
}

TEST(SyncLatestEvents, NewestWinsWhateverTheListingOrder) {
    // Swapping the contents of two names swaps their places in any listing order.
    for (bool swapped : {false, true}) {
        TempHome share;
        auto folder = eventsFolder(share.path());
        auto low = eventDictionary(kIdLow, "A", "samples", kT, makeSamples(0.1));
        auto high = eventDictionary(kIdHigh, "A", "samples", kT, makeSamples(0.2));
        writeEventFile(folder, kIdLow + ".plist", swapped ? high : low);
        writeEventFile(folder, kIdHigh + ".plist", swapped ? low : high);
        // A newer deletion hides an older value, even with a value that is not valid.
        writeEventFile(folder, "q1.plist",
                       eventDictionary(kIdHigh, "Q", "action", kT, Value("/q.app")));
        writeEventFile(folder, "q2.plist",
                       eventDictionary(kIdLow, "Q", "action", kT + 0.5, Value::integer(5), true));
        // The later time stamp wins over the id that orders later.
        writeEventFile(folder, "b1.plist",
                       eventDictionary(kIdHigh, "B", "action", kT, Value("/old.app")));
        writeEventFile(folder, "b2.plist",
                       eventDictionary(kIdLow, "B", "action", kT + 0.001, Value("/new.app")));

        auto table = LatestEventsReader{}.read(folder);
        EXPECT_EQ(*winnerValue(table, "A.samples"), makeSamples(0.2));
        EXPECT_EQ(*winnerValue(table, "B.action"), Value("/new.app"));
        EXPECT_EQ(*table.find("Q.action")->find("deleted"), Value::integer(1));

        auto merged = VLVelmorSync::velmorSyncSnapshotWithEvents(table);
        EXPECT_EQ(merged.find("Q"), nullptr);
        EXPECT_EQ(*merged.find("B")->find("action"), Value("/new.app"));
        EXPECT_EQ(merged.find("B")->find("samples"), nullptr);
    }
}

TEST(SyncLatestEvents, HostileFolderNeitherHangsNorFloodsAndMacFilesRead) {
    TempHome share;
    auto folder = eventsFolder(share.path());
    fs::create_directories(folder);
    auto event = [](const std::string& letter, double t) {
        return xmlOf(eventDictionary(kIdLow, letter, "action", kT + t, Value("/" + letter)));
    };
    // A valid event padded far beyond any real one is not read at all.
    writeFile(folder / "huge.plist", paddedTo(event("H", 0), 5u << 20));
    writeFile(folder / "limit.plist", paddedTo(event("L", 0), 1u << 20));
    writeFile(folder / "over.plist", paddedTo(event("O", 0), (1u << 20) + 1));
    fs::create_symlink("/dev/zero", folder / "device.plist");
    fs::create_symlink(share.path(), folder / "folder.plist");
    fs::create_directories(folder / "directory.plist");
    writeFile(folder / "text.plist", "this is not a property list");
    fs::copy_file(fs::path(VELMOR_SHARED_TESTDATA) / "plists/iterm2-prefs-binary.plist",
                  folder / "prefs.plist");
    writeFile(folder / "mac-binary.plist", binaryOf(event("B", 1)));
    // A NUL inside a UTF-16 key would make the property-list library abort the program.
    auto withWideKey = eventDictionary(kIdLow, "N", "action", kT + 2, Value("/N"));
    withWideKey["d\u00e9vice"] = Value("x");
    auto nulKey = binaryOf(xmlOf(withWideKey));
    auto wide = nulKey.find(std::string("\0d\0\xE9", 4));
    ASSERT_NE(wide, std::string::npos);
    nulKey[wide + 3] = '\0';
    writeFile(folder / "nul-key.plist", nulKey);

    LatestEventsReader reader;
    auto table = reader.read(folder);
    EXPECT_EQ(keysOf(table), "B.action L.action ");
    EXPECT_EQ(*winnerValue(table, "B.action"), Value("/B"));
}

TEST(SyncLatestEvents, KeptParsesGiveWhatAFreshReadGives) {
    TempHome share;
    auto folder = eventsFolder(share.path());
    LatestEventsReader kept;
    auto expectSameAsFresh = [&](const std::string& expectedKeys) {
        auto table = kept.read(folder);
        EXPECT_EQ(table, LatestEventsReader{}.read(folder));
        EXPECT_EQ(keysOf(table), expectedKeys);
        return table;
    };
    EXPECT_EQ(keysOf(kept.read(folder)), "");

    writeEventFile(folder, "1.plist", eventDictionary(kIdLow, "C", "action", kT, Value("/1")));
    writeEventFile(folder, "2.plist", eventDictionary(kIdLow, "D", "action", kT, Value("/2")));
    auto half = xmlOf(eventDictionary(kIdLow, "E", "action", kT + 2, Value("/half/copied")));
    writeFile(folder / "3.plist", half.substr(0, half.size() / 2));
    expectSameAsFresh("C.action D.action ");

    // A new file, the half-copied file completed, a removal.
    writeEventFile(folder, "4.plist", eventDictionary(kIdLow, "C", "action", kT + 1, Value("/4")));
    writeFile(folder / "3.plist", half);
    fs::remove(folder / "2.plist");
    auto table = expectSameAsFresh("C.action E.action ");
    EXPECT_EQ(*winnerValue(table, "C.action"), Value("/4"));

    fs::remove(folder / "4.plist");
    table = expectSameAsFresh("C.action E.action ");
    EXPECT_EQ(*winnerValue(table, "C.action"), Value("/1"));

    fs::remove_all(folder);
    EXPECT_EQ(keysOf(kept.read(folder)), "");
}

TEST(SyncLatestEvents, ReadsTheFolderTheSettingNames) {
    SyncMachine mac;
    TempHome share;
    writeEventFile(eventsFolder(share.path()), "x.plist",
                   eventDictionary(kIdLow, "Z", "action", kT, Value("/z")));
    EXPECT_EQ(keysOf(mac.sync.velmorSyncReadLatestEvents()), "");
    mac.defaults().setString("VLVelmorSyncV2Folder", share.path().string());
    EXPECT_EQ(keysOf(mac.sync.velmorSyncReadLatestEvents()), "Z.action ");
    EXPECT_EQ(mac.sync.velmorSyncEventsDir(), eventsFolder(share.path()).string());
}

}  // namespace
}  // namespace velmor::testing
