#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/binary_plist_screen.h"
#include "core/property_list.h"
#include "core/property_list_limits.h"
#include "core/xml_plist_nesting.h"
#include "platform/file_user_defaults.h"
#include "support/hostile_plists.h"
#include "support/temp_home.h"

namespace velmor {
namespace {

using testing::binaryPlistOfArrays;
using testing::chainedArraysBinary;
using testing::nestedArraysXml;

bool refused(const std::string& bytes) {
    return !parsePropertyList(bytes).has_value();
}

// `levels` arrays, each holding the next, around `bottom`.
Value nestedArrays(int levels, Value bottom) {
    for (int level = 0; level < levels; ++level) {
        bottom = Value(Value::Array{std::move(bottom)});
    }
    return bottom;
}

TEST(HostilePropertyLists, ShapesThatCrashOrStallTheParserAreRefused) {
    EXPECT_TRUE(refused(chainedArraysBinary(100000)));
    EXPECT_TRUE(refused(chainedArraysBinary(22, 2)));
    EXPECT_TRUE(refused(chainedArraysBinary(30, 2)));
    EXPECT_TRUE(refused(binaryPlistOfArrays({{0}})));
    EXPECT_TRUE(refused(binaryPlistOfArrays({{1, 2}, {2}, {1}})));
    EXPECT_TRUE(refused(binaryPlistOfArrays({{1}})));
    EXPECT_TRUE(refused(nestedArraysXml(100000)));
    // A broken document fails only after the parser has built everything before the fault.
    std::string unclosed;
    for (int level = 0; level < 100000; ++level) {
        unclosed += "<array>";
    }
    EXPECT_TRUE(refused(testing::xmlPlistDocument(unclosed)));
}

// A file whose one object is a container claiming `count` references in eight bytes.
std::string claimingContainer(char marker, std::uint64_t count) {
    std::string bytes = std::string("bplist00") + marker + '\x13';
    testing::appendBigEndian(bytes, count, 8);
    bytes += std::string("\x08") + std::string(6, '\0') + "\x01\x01";
    for (std::uint64_t field : {1, 0, 18}) {
        testing::appendBigEndian(bytes, field, 8);
    }
    return bytes;
}

TEST(HostilePropertyLists, ContainersClaimingMoreThanTheFileHoldsAreScreenedOut) {
    EXPECT_FALSE(passesBinaryPlistScreen(claimingContainer('\xAF', std::uint64_t{1} << 62)));
    // Doubled, this dictionary's count would wrap around to an empty one.
    EXPECT_FALSE(passesBinaryPlistScreen(claimingContainer('\xDF', std::uint64_t{1} << 63)));
    EXPECT_TRUE(passesBinaryPlistScreen(claimingContainer('\xDF', 0)));
}

TEST(HostilePropertyLists, NestingUpToTheLimitReadsAndOneLevelMoreIsRefused) {
    const int limit = kMaxPropertyListNesting;
    EXPECT_EQ(parsePropertyList(chainedArraysBinary(limit - 1)),
              nestedArrays(limit - 1, Value(Value::Array{})));
    EXPECT_TRUE(refused(chainedArraysBinary(limit)));
    EXPECT_EQ(parsePropertyList(nestedArraysXml(limit)), nestedArrays(limit, Value("deep")));
    EXPECT_TRUE(refused(nestedArraysXml(limit + 1)));
    // Empty containers nest too.
    EXPECT_TRUE(refused(nestedArraysXml(limit, "<dict/>")));
    // Stray closing tags in front buy no deeper nesting.
    EXPECT_FALSE(xmlPlistNestingIsBounded("</array></dict>" + nestedArraysXml(limit + 1)));
}

TEST(HostilePropertyLists, NestingIsCountedWhereTheParserSeesTags) {
    const int limit = kMaxPropertyListNesting;
    // Closing tags inside comments, character data or quoted attributes close nothing...
    EXPECT_TRUE(refused(nestedArraysXml(limit + 1, "<!-- </array> -->")));
    EXPECT_TRUE(refused(nestedArraysXml(limit + 1, "<string><![CDATA[</array>]]></string>")));
    std::string quoted;
    for (int level = 0; level <= limit; ++level) {
        quoted = "<array a=\"</array>\">" + quoted + "</array>";
    }
    EXPECT_TRUE(refused(testing::xmlPlistDocument(quoted)));
    // ...and opening tags there open nothing.
    std::string instruction = "<?hidden a=\"?>";
    std::string subset = "<!DOCTYPE plist [";
    std::string hidden = "<array>";
    for (int i = 0; i < 2 * limit; ++i) {
        instruction += "<array>";
        subset += "<array>";
        hidden +=
            "<!-- <array> --><string><![CDATA[<dict>]]></string><array/><dict a=\"<array>\"/>";
    }
    const auto wide = parsePropertyList(instruction + "\"?>" + subset + "]>" +
                                        testing::xmlPlistDocument(hidden + "</array>"));
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->asArray()->size(), 6u * limit);
}

TEST(HostilePropertyLists, SharedObjectsCountOncePerReferenceAgainstTheFileSize) {
    // The top array holds one array 14 times, which holds an empty array 14 times:
    // 1 + 14 * (1 + 14) objects to build from a file of a few dozen bytes.
    const std::vector<std::vector<std::uint64_t>> shape{
        std::vector<std::uint64_t>(14, 1), std::vector<std::uint64_t>(14, 2), {}};
    const std::uint64_t objects = 1 + 14 * (1 + 14);
    const std::size_t tight = binaryPlistOfArrays(shape).size();
    const std::size_t enough = (objects + 1) / kMaxBinaryPlistObjectsPerByte - tight;
    EXPECT_TRUE(refused(binaryPlistOfArrays(shape, enough - 1)));
    const Value row(Value::Array(14, Value(Value::Array{})));
    EXPECT_EQ(parsePropertyList(binaryPlistOfArrays(shape, enough)), Value(Value::Array(14, row)));
}

TEST(HostilePropertyLists, BinaryFormsOfWhatTheProgramWritesReadBack) {
    // Settings with every letter trained, nested 6 deep, with many equal numbers shared.
    Value::Dictionary letters;
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        Value::Array samples(
            3, Value(Value::Array(48, Value(Value::Array{Value::real(0.5), Value::real(1)}))));
        letters.emplace(std::string(1, letter),
                        Value(Value::Dictionary{{"samples", Value(std::move(samples))},
                                                {"action", Value("/Applications/X.app")}}));
    }
    const Value settings(Value::Dictionary{{"VLVelmorSyncV2LastApplied", Value(letters)}});
    EXPECT_EQ(parsePropertyList(testing::binaryPlistOf(settings)), settings);
}

TEST(HostilePropertyLists, AHostileSettingsFileIsSetAsideAndTheProgramStartsEmpty) {
    for (const std::string& bytes : {chainedArraysBinary(30, 2), nestedArraysXml(100000)}) {
        const testing::TempHome home;
        const std::filesystem::path file = home.path() / "settings.plist";
        std::ofstream(file, std::ios::binary) << bytes;
        const platform::FileUserDefaults defaults(file);
        EXPECT_FALSE(defaults.object("VLVelmorSyncV2Folder"));
        EXPECT_FALSE(std::filesystem::exists(file));
    }
}

}  // namespace
}  // namespace velmor
