#include "core/property_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "support/shared_testdata.h"

namespace velmor {
namespace {

const std::filesystem::path kPlists = testing::sharedTestdata("plists");

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream stream(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

Value parsed(const std::string& fileName) {
    std::optional<Value> value = parsePropertyList(readBytes(kPlists / fileName));
    EXPECT_TRUE(value.has_value()) << fileName;
    return value.value_or(Value());
}

std::string plistDocument(std::string_view body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n" +
           std::string(body) + "</plist>\n";
}

TEST(PropertyListInterop, EveryFileParsesAndReadsBackEqual) {
    if (auto missing = testing::missingSharedTestdata("plists")) {
        GTEST_SKIP() << *missing;
    }
    // Foundation's own writer produced these: they come out byte for byte the same.
    const std::set<std::string> foundationWritten{
        "iterm2-defaults-export.plist", "iterm2-prefs-date-data.plist",
        "terminal-profile-export.plist", "nskeyedarchiver-edgeinsets.plist",
        "nskeyedarchiver-uuid-data.plist"};
    std::size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kPlists)) {
        if (entry.path().extension() != ".plist") {
            continue;
        }
        ++files;
        const std::string bytes = readBytes(entry.path());
        const std::optional<Value> original = parsePropertyList(bytes);
        ASSERT_TRUE(original.has_value()) << entry.path();
        const std::string written = serializeXmlPropertyList(*original);
        const std::optional<Value> readBack = parsePropertyList(written);
        ASSERT_TRUE(readBack.has_value()) << entry.path();
        EXPECT_EQ(*readBack, *original) << entry.path();
        EXPECT_EQ(serializeXmlPropertyList(*readBack), written) << entry.path();
        if (foundationWritten.contains(entry.path().filename().string())) {
            EXPECT_EQ(written, bytes) << entry.path();
        }
    }
    EXPECT_EQ(files, 24u);
}

TEST(PropertyListInterop, ValuesComeThroughExactly) {
    if (auto missing = testing::missingSharedTestdata("plists")) {
        GTEST_SKIP() << *missing;
    }
    EXPECT_EQ(parsed("libplist-int-limits.plist"),
              Value(Value::Array{Value::integer(-1),
                                 Value::unsignedInteger(std::numeric_limits<std::uint64_t>::max()),
                                 Value::integer(std::numeric_limits<std::int64_t>::max()),
                                 Value::integer(std::numeric_limits<std::int64_t>::min()),
                                 Value::unsignedInteger(std::uint64_t{1} << 63)}));

    // Dates far outside 1933-2069 keep their full value.
    const std::string dates = serializeXmlPropertyList(parsed("libplist-dates-range.plist"));
    EXPECT_NE(dates.find("<date>1869-01-03T08:16:32Z</date>"), std::string::npos);
    EXPECT_NE(dates.find("<date>2199-08-20T01:10:11Z</date>"), std::string::npos);

    // A binary date keeps its fraction of a second.
    const Value binary = parsed("iterm2-prefs-binary.plist");
    EXPECT_TRUE(std::ranges::any_of(*binary.asDictionary(), [](const auto& entry) {
        const Value::Date* date = entry.second.asDate();
        return date && std::fmod(date->secondsSince2001, 1.0) != 0.0;
    }));

    // Keyed-archive UIDs read as the dictionaries XML writers make of them.
    const Value archive = parsed("nskeyedarchiver-complex-binary.plist");
    const Value* root = archive.find("$top") ? archive.find("$top")->find("root") : nullptr;
    ASSERT_TRUE(root && root->find("CF$UID"));
    EXPECT_TRUE(root->find("CF$UID")->asInteger());

    EXPECT_NE(serializeXmlPropertyList(parsed("applescript-applet-info.plist"))
                  .find("<string>159 537 602 597 0 0 1920 1178 </string>"),
              std::string::npos);
}

TEST(PropertyListWriter, WritesFoundationLayout) {
    const Value value(Value::Dictionary{
        {"zeta", Value::integer(-7)},
        {"alpha",
         Value::Array{Value::real(1.1), Value::real(1.0), Value::real(0.0), Value::real(-0.0),
                      Value::real(std::nan("")),
                      Value::real(std::numeric_limits<double>::infinity()),
                      Value::real(-std::numeric_limits<double>::infinity()), Value::real(1e-7)}},
        {"big", Value::unsignedInteger(std::numeric_limits<std::uint64_t>::max())},
        {"empty", Value::Array{Value(Value::Array{}), Value(Value::Dictionary{})}},
        {"text", Value("a<b>&c \"'")},
        {"k&y", Value(Value::Date{-1.5})},
        {"bytes", Value(Value::Data{std::string(52, 'x')})},
        {"none", Value(Value::Data{})},
    });
    const std::string expected = plistDocument(
        "<dict>\n"
        "\t<key>alpha</key>\n\t<array>\n"
        "\t\t<real>1.1000000000000001</real>\n\t\t<real>1</real>\n\t\t<real>0.0</real>\n"
        "\t\t<real>0.0</real>\n\t\t<real>nan</real>\n\t\t<real>+infinity</real>\n"
        "\t\t<real>-infinity</real>\n\t\t<real>9.9999999999999995e-08</real>\n\t</array>\n"
        "\t<key>big</key>\n\t<integer>18446744073709551615</integer>\n"
        "\t<key>bytes</key>\n\t<data>\n"
        "\teHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4eHh4\n"
        "\teA==\n\t</data>\n"
        "\t<key>empty</key>\n\t<array>\n\t\t<array/>\n\t\t<dict/>\n\t</array>\n"
        "\t<key>k&amp;y</key>\n\t<date>2000-12-31T23:59:58Z</date>\n"
        "\t<key>none</key>\n\t<data>\n\t</data>\n"
        "\t<key>text</key>\n\t<string>a&lt;b&gt;&amp;c \"'</string>\n"
        "\t<key>zeta</key>\n\t<integer>-7</integer>\n"
        "</dict>\n");
    EXPECT_EQ(serializeXmlPropertyList(value), expected);
    EXPECT_EQ(serializeXmlPropertyList(Value(Value::Dictionary{})), plistDocument("<dict/>\n"));
}

TEST(PropertyListWriter, SortsKeysByUtf16CodeUnits) {
    // U+FF01 sorts after an emoji in UTF-16 (the emoji's surrogates are 0xD83D...).
    const std::string text =
        serializeXmlPropertyList(Value(Value::Dictionary{{"\xEF\xBC\x81", Value::integer(1)},
                                                         {"\xF0\x9F\x98\x80", Value::integer(2)},
                                                         {"a", Value::integer(3)}}));
    EXPECT_LT(text.find("<key>a</key>"), text.find("\xF0\x9F\x98\x80"));
    EXPECT_LT(text.find("\xF0\x9F\x98\x80"), text.find("\xEF\xBC\x81"));
}

TEST(PropertyList, RejectsWhatIsNotAPropertyList) {
    EXPECT_FALSE(parsePropertyList(""));
    EXPECT_FALSE(parsePropertyList("hello"));
    EXPECT_FALSE(parsePropertyList("bplist00"));
    EXPECT_FALSE(parsePropertyList(std::string("bplist00\xFF\xFF\x00\x01", 12)));
    const std::string whole =
        plistDocument("<dict>\n\t<key>a</key>\n\t<string>b</string>\n</dict>\n");
    for (std::size_t cut = 1; cut < whole.size() - 10; cut += 7) {
        parsePropertyList(whole.substr(0, cut));  // must not crash or read past the end
    }
}

}  // namespace
}  // namespace velmor
