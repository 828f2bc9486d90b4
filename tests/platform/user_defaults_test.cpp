#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <limits>
#include <string>
#include <thread>

#include "platform/file_user_defaults.h"
#include "platform/files.h"
#include "platform/in_memory_user_defaults.h"
#include "platform/property_list_file.h"
#include "support/temp_home.h"

namespace velmor::platform {
namespace {

namespace fs = std::filesystem;

const fs::path kSettings = "Library/Preferences/com.brisvane.velmor.plist";

TEST(UserDefaultsTypedReads, FollowFoundationConversions) {
    InMemoryUserDefaults defaults(Value::Dictionary{
        {"text", Value("3x")},
        {"blankSigned", Value("  -42abc")},
        {"word", Value("x")},
        {"yes", Value("YES")},
        {"true", Value(" +true")},
        {"zeros", Value("007")},
        {"zero", Value("000")},
        {"no", Value("no")},
        {"int", Value::integer(-12)},
        {"real", Value::real(2.5)},
        {"whole", Value::real(3.0)},
        {"negativeReal", Value::real(-2.9)},
        {"hugeReal", Value::real(1e300)},
        {"flag", Value::boolean(true)},
        {"off", Value::boolean(false)},
        {"huge", Value::unsignedInteger(std::numeric_limits<std::uint64_t>::max())},
        {"list", Value(Value::Array{Value("a")})},
        {"map", Value(Value::Dictionary{{"k", Value("v")}})},
        {"date", Value(Value::Date{0.0})},
        {"bytes", Value(Value::Data{"ab"})},
        {"overflow", Value("99999999999999999999")}});

    // Each row is key=expected.
    for (const std::string row : {"text=3x", "int=-12", "real=2.5", "whole=3", "flag=1", "off=0",
                                  "huge=18446744073709551615"}) {
        EXPECT_EQ(defaults.string(row.substr(0, row.find('='))), row.substr(row.find('=') + 1));
    }
    for (const char* key : {"list", "date", "bytes", "absent"}) {
        EXPECT_FALSE(defaults.string(key)) << key;
    }
    for (const std::string row :
         {"text=3", "blankSigned=-42", "word=0", "negativeReal=-2", "hugeReal=9223372036854775807",
          "overflow=9223372036854775807", "flag=1", "map=0", "absent=0"}) {
        EXPECT_EQ(defaults.integer(row.substr(0, row.find('='))),
                  std::stoll(row.substr(row.find('=') + 1)))
            << row;
    }
    for (const char* key : {"yes", "true", "zeros", "int", "real", "flag", "text"}) {
        EXPECT_TRUE(defaults.boolean(key)) << key;
    }
    for (const char* key : {"zero", "no", "word", "off", "list", "date", "absent"}) {
        EXPECT_FALSE(defaults.boolean(key)) << key;
    }
    EXPECT_TRUE(defaults.array("list"));
    EXPECT_FALSE(defaults.array("map"));
    EXPECT_FALSE(defaults.array("text"));
    EXPECT_TRUE(defaults.dictionary("map"));
    EXPECT_FALSE(defaults.dictionary("list"));
}

TEST(FileUserDefaults, WritesAtOnceOnSynchronizeAndOtherwiseAtTheEnd) {
    testing::TempHome home;
    const fs::path file = home.path() / kSettings;
    {
        FileUserDefaults defaults(file);
        defaults.setString("VLStudioTrainingLetter", "A");
        EXPECT_FALSE(fs::exists(file));       // deferred
        EXPECT_TRUE(defaults.synchronize());  // creates Library/Preferences
        EXPECT_EQ(files::readPropertyListFile(file),
                  Value(Value::Dictionary{{"VLStudioTrainingLetter", Value("A")}}));
        defaults.setInteger("VLStudioTrainingRemaining", 2);
        defaults.remove("VLStudioTrainingLetter");
    }
    FileUserDefaults reloaded(file);
    EXPECT_EQ(reloaded.integer("VLStudioTrainingRemaining"), 2);
    EXPECT_FALSE(reloaded.object("VLStudioTrainingLetter"));
    EXPECT_FALSE(reloaded.movedAsideTo());
    EXPECT_FALSE(reloaded.hasUnsavedChanges());

    // A regular file where the folder must be: the write fails and says so.
    testing::TempHome blocked;
    std::ofstream(blocked.path() / "Library") << "x";
    FileUserDefaults unwritable(blocked.path() / kSettings);
    unwritable.setBoolean("launchAtLogin", true);
    EXPECT_FALSE(unwritable.synchronize());
}

// As a Mac's defaults store does: changes reach the disk by themselves soon after, so that a
// crash or a logout loses nothing; changes close together go in one write.
TEST(FileUserDefaults, AWriterOfItsOwnSavesChangesSoonAfterWithoutBeingAsked) {
    testing::TempHome home;
    const fs::path file = home.path() / kSettings;
    const Value both(Value::Dictionary{{"VLStudioTrainingLetter", Value("A")},
                                       {"VLStudioTrainingRemaining", Value::integer(2)}});
    FileUserDefaults defaults(file, std::chrono::milliseconds(100));
    defaults.setString("VLStudioTrainingLetter", "A");
    defaults.setInteger("VLStudioTrainingRemaining", 2);
    const auto saved = [&](const Value& expected) {
        for (int attempt = 0; attempt < 300; ++attempt) {
            if (files::readPropertyListFile(file) == expected) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    };
    EXPECT_TRUE(saved(both));
    EXPECT_FALSE(defaults.hasUnsavedChanges());
    defaults.remove("VLStudioTrainingLetter");
    EXPECT_TRUE(saved(Value(Value::Dictionary{{"VLStudioTrainingRemaining", Value::integer(2)}})));
}

TEST(FileUserDefaults, UnreadableFileIsMovedAsideAndReported) {
    testing::TempHome home;
    const fs::path file = home.path() / "settings.plist";
    for (const std::string& content :
         {std::string("not a property list"),
          std::string("<plist version=\"1.0\"><array><string>a</string></array></plist>")}) {
        std::ofstream(file, std::ios::binary) << content;
        FileUserDefaults defaults(file);
        ASSERT_TRUE(defaults.movedAsideTo());
        const fs::path aside = *defaults.movedAsideTo();
        EXPECT_EQ(aside.parent_path(), file.parent_path());
        EXPECT_EQ(aside.filename().string().rfind("settings.plist.corrupt-", 0), 0u);
        EXPECT_EQ(files::readRegularFile(aside, 1000), content);
        EXPECT_FALSE(fs::exists(file));
        EXPECT_FALSE(defaults.object("anything"));
        EXPECT_TRUE(defaults.synchronize());
        fs::remove(file);
    }
    std::size_t moved = 0;
    for (const auto& entry : fs::directory_iterator(home.path())) {
        moved += entry.path().filename().string().find(".corrupt-") != std::string::npos;
    }
    EXPECT_EQ(moved, 2u);  // two in the same second get two names
}

// The reader sees the old file or the new one, whole, while the writer keeps rewriting.
TEST(FileUserDefaults, ConcurrentReaderAlwaysSeesAWholeFile) {
    testing::TempHome home;
    const fs::path file = home.path() / kSettings;
    FileUserDefaults defaults(file);
    ASSERT_TRUE(defaults.synchronize());

    std::atomic<bool> writing{true};
    std::atomic<int> reads{0}, broken{0};
    std::thread reader([&] {
        while (writing.load() || reads.load() == 0) {
            const std::optional<Value> root = files::readPropertyListFile(file);
            broken += !root || !root->isDictionary();
            ++reads;
        }
    });
    for (int round = 0; round < 200; ++round) {
        const std::size_t count = round % 2 == 0 ? 2000 : 3;
        defaults.set("VLStudioLetterTemplates_A", Value(Value::Array(count, Value::real(0.5))));
        EXPECT_TRUE(defaults.synchronize());
    }
    writing = false;
    reader.join();
    EXPECT_GT(reads.load(), 0);
    EXPECT_EQ(broken.load(), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()),
              1);
}

}  // namespace
}  // namespace velmor::platform
