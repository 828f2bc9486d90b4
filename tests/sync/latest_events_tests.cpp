#include <gtest/gtest.h>

#include <limits>

#include "core/property_list.h"
#include "support/hostile_plists.h"
#include "sync/latest_events.h"
#include "sync_machine.h"

namespace velmor::testing {
namespace {

namespace fs = std::filesystem;

constexpr double kT = 1.8e9;
const std::string kIdLow = "11111111-0000-4000-8000-000000000000";
const std::string kIdHigh = "EEEEEEEE-0000-4000-8000-000000000000";

std::string keysOf(const Value& table) {
    std::string keys;
    for (const auto& [key, event] : *table.asDictionary()) {
        keys += key + " ";
    }
    return keys;
}

Value winnerValue(const Value& table, const std::string& key) {
    return *table.find(key)->find("value");
}

TEST(SyncLatestEvents, SkipsEveryFileAReaderMustNotBelieve) {
    TempHome share;
    auto folder = eventsFolder(share.path());
    writeEventFile(folder, "good.plist", eventDictionary(kIdLow, "A", "action", kT, Value("/a")));
    // Each of these is newer, so it would win if it were believed.
    auto newer = [&](const std::string& name, auto change) {
        auto event = eventDictionary(kIdHigh, "A", "action", kT + 10, Value("/wrong"));
        change(event);
        writeEventFile(folder, name, event);
    };
    newer("format1.plist", [](auto& e) { e["format"] = Value::integer(1); });
    newer("lower.plist", [](auto& e) { e["letter"] = Value("a"); });
    newer("two.plist", [](auto& e) { e["letter"] = Value("AB"); });
    newer("kind.plist", [](auto& e) { e["kind"] = Value("Action"); });
    newer("nodeleted.plist", [](auto& e) { e.erase("deleted"); });
    newer("id.plist", [](auto& e) { e["id"] = Value::integer(7); });
    newer("invalid.plist", [](auto& e) { e["value"] = Value(std::string(8192, 'x')); });
    // A time stamp that is not finite would beat or block every other event for good.
    newer("inf.plist",
          [](auto& e) { e["timestamp"] = Value::real(std::numeric_limits<double>::infinity()); });
    newer("nan.plist",
          [](auto& e) { e["timestamp"] = Value::real(std::numeric_limits<double>::quiet_NaN()); });
    newer(".dot.plist", [](auto&) {});
    newer("other.xml", [](auto&) {});

    auto table = LatestEventsReader{}.read(folder);
    EXPECT_EQ(keysOf(table), "A.action ");
    EXPECT_EQ(winnerValue(table, "A.action"), Value("/a"));
}

TEST(SyncLatestEvents, EachLetterAndKindHasAWinnerOfItsOwn) {
    TempHome share;
    auto folder = eventsFolder(share.path());
    writeEventFile(folder, "a-action.plist",
                   eventDictionary(kIdLow, "A", "action", kT, Value("/a")));
    writeEventFile(folder, "b-samples.plist",
                   eventDictionary(kIdHigh, "B", "samples", kT, makeSamples(0.5)));
    writeEventFile(folder, "z-action.plist",
                   eventDictionary(kIdLow, "Z", "action", kT, Value("/z")));
    auto table = LatestEventsReader{}.read(folder);
    EXPECT_EQ(keysOf(table), "A.action B.samples Z.action ");
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
        writeEventFile(folder, "q1.plist", eventDictionary(kIdHigh, "Q", "action", kT, "/q"));
        writeEventFile(folder, "q2.plist",
                       eventDictionary(kIdLow, "Q", "action", kT + 0.5, Value::integer(5), true));
        writeEventFile(folder, "b1.plist", eventDictionary(kIdHigh, "B", "action", kT, "/old"));
        writeEventFile(folder, "b2.plist",
                       eventDictionary(kIdLow, "B", "action", kT + 0.001, "/new"));

        auto merged = VLVelmorSync::velmorSyncSnapshotWithEvents(LatestEventsReader{}.read(folder));
        EXPECT_EQ(merged, Value(Value::Dictionary{
                              {"A", Value(Value::Dictionary{{"samples", makeSamples(0.2)}})},
                              {"B", Value(Value::Dictionary{{"action", Value("/new")}})},
                          }));
    }
}

TEST(SyncLatestEvents, HostileFolderNeitherHangsNorFloodsAndMacFilesRead) {
    TempHome share;
    auto folder = eventsFolder(share.path());
    fs::create_directories(folder);
    auto event = [](const std::string& letter) {
        return eventDictionary(kIdLow, letter, "action", kT, Value("/" + letter));
    };
    // A valid event padded with blanks: not read at all beyond 1 MiB.
    auto padded = [&](const std::string& letter, std::size_t size) {
        auto xml = serializeXmlPropertyList(Value(event(letter)));
        return xml.insert(xml.find("<dict>") + 6, size - xml.size(), ' ');
    };
    writeFile(folder / "huge.plist", padded("H", 5u << 20));
    writeFile(folder / "limit.plist", padded("L", 1u << 20));
    writeFile(folder / "over.plist", padded("O", (1u << 20) + 1));
    fs::create_symlink("/dev/zero", folder / "device.plist");
    fs::create_directories(folder / "directory.plist");
    writeFile(folder / "text.plist", "this is not a property list");
    writeFile(folder / "mac-binary.plist", binaryPlistOf(Value(event("B"))));
    // A NUL inside a UTF-16 key would make the property-list library abort the program.
    auto withWideKey = event("N");
    withWideKey["d\u00e9vice"] = Value("x");
    auto nulKey = binaryPlistOf(Value(withWideKey));
    auto wide = nulKey.find(std::string("\0d\0\xE9", 4));
    ASSERT_NE(wide, std::string::npos);
    nulKey[wide + 3] = '\0';
    writeFile(folder / "nul-key.plist", nulKey);

    auto table = LatestEventsReader{}.read(folder);
    EXPECT_EQ(keysOf(table), "B.action L.action ");
}

TEST(SyncLatestEvents, KeptParsesGiveWhatAFreshReadGives) {
    TempHome share;
    auto folder = eventsFolder(share.path());
    LatestEventsReader kept;
    auto expectSameAsFresh = [&](const std::string& keys, const std::string& cAction) {
        auto table = kept.read(folder);
        EXPECT_EQ(table, LatestEventsReader{}.read(folder));
        EXPECT_EQ(keysOf(table), keys);
        EXPECT_EQ(winnerValue(table, "C.action"), Value(cAction));
    };
    writeEventFile(folder, "1.plist", eventDictionary(kIdLow, "C", "action", kT, "/1"));
    writeEventFile(folder, "2.plist", eventDictionary(kIdLow, "D", "action", kT, "/2"));
    auto half =
        serializeXmlPropertyList(Value(eventDictionary(kIdLow, "E", "action", kT, "/half/copied")));
    writeFile(folder / "3.plist", half.substr(0, half.size() / 2));
    expectSameAsFresh("C.action D.action ", "/1");

    // A new file, the half-copied file completed, a removal.
    writeEventFile(folder, "4.plist", eventDictionary(kIdLow, "C", "action", kT + 1, "/4"));
    writeFile(folder / "3.plist", half);
    fs::remove(folder / "2.plist");
    expectSameAsFresh("C.action E.action ", "/4");
    fs::remove(folder / "4.plist");
    expectSameAsFresh("C.action E.action ", "/1");

    // A cloud client pre-allocates the file, fills it, then stamps the server's time: the
    // same size and time as before, new content.
    auto late = serializeXmlPropertyList(Value(eventDictionary(kIdLow, "F", "action", kT, "/f")));
    writeFile(folder / "5.plist", std::string(late.size(), '\0'));
    const auto stamped = fs::last_write_time(folder / "5.plist");
    expectSameAsFresh("C.action E.action ", "/1");
    writeFile(folder / "5.plist", late);
    fs::last_write_time(folder / "5.plist", stamped);
    expectSameAsFresh("C.action E.action F.action ", "/1");

    fs::remove_all(folder);
    EXPECT_EQ(keysOf(kept.read(folder)), "");
}

TEST(SyncLatestEvents, ABelievedFileThatTurnsUnreadableIsForgotten) {
    TempHome share;
    auto folder = eventsFolder(share.path());
    writeEventFile(folder, "1.plist", eventDictionary(kIdLow, "C", "action", kT, "/1"));
    writeEventFile(folder, "2.plist", eventDictionary(kIdLow, "D", "action", kT, "/2"));
    writeEventFile(share.path(), "elsewhere.plist",
                   eventDictionary(kIdLow, "C", "action", kT, "/x"));
    LatestEventsReader kept;
    ASSERT_EQ(keysOf(kept.read(folder)), "C.action D.action ");
    // Same names, now a link (never followed, even to an event) and a folder.
    fs::remove(folder / "1.plist");
    fs::create_symlink(share.path() / "elsewhere.plist", folder / "1.plist");
    fs::remove(folder / "2.plist");
    fs::create_directory(folder / "2.plist");
    EXPECT_EQ(keysOf(kept.read(folder)), "");
}

TEST(SyncLatestEvents, AnotherFolderIsReadAfresh) {
    TempHome share;
    for (const char* name : {"a", "b"}) {
        writeEventFile(share.path() / name, "1.plist",
                       eventDictionary(kIdLow, "C", "action", kT, Value(std::string("/") + name)));
    }
    LatestEventsReader reader;
    EXPECT_EQ(winnerValue(reader.read(share.path() / "a"), "C.action"), Value("/a"));
    EXPECT_EQ(winnerValue(reader.read(share.path() / "b"), "C.action"), Value("/b"));
}

}  // namespace
}  // namespace velmor::testing
