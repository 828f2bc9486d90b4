#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/property_list.h"

namespace velmor {
namespace {

// The application bundle's property list as the build configures it.
TEST(InfoPlist, NamesTheBundleTheMacKnowsTheProgramBy) {
    std::ifstream file(VELMOR_INFO_PLIST);
    ASSERT_TRUE(file) << VELMOR_INFO_PLIST;
    std::ostringstream text;
    text << file.rdbuf();
    const auto info = parsePropertyList(text.str());
    ASSERT_TRUE(info && info->isDictionary());
    const auto entry = [&](std::string_view key) {
        const Value* value = info->find(key);
        return value ? *value : Value::integer(-1);
    };
    EXPECT_EQ(entry("CFBundleIdentifier"), Value("com.brisvane.velmor"));
    EXPECT_EQ(entry("CFBundleShortVersionString"), Value("2.1.3"));
    EXPECT_EQ(entry("CFBundleVersion"), Value("2.1.3"));
    // The launch agent opens the application by this name.
    EXPECT_EQ(entry("CFBundleName"), Value("Velmor"));
    EXPECT_EQ(entry("CFBundleExecutable"), Value("Velmor"));
    EXPECT_EQ(entry("CFBundlePackageType"), Value("APPL"));
    EXPECT_EQ(entry("LSUIElement"), Value::boolean(true));  // no Dock icon
    EXPECT_EQ(entry("CFBundleIconFile"), Value("Velmor"));
    EXPECT_EQ(entry("LSMinimumSystemVersion"), Value("12.0"));
    // Sending F13 to System Events needs the user's consent, which asks with this text.
    const Value usage = entry("NSAppleEventsUsageDescription");
    ASSERT_TRUE(usage.isString());
    EXPECT_NE(usage.asString()->find("System Events"), std::string::npos);
}

}  // namespace
}  // namespace velmor
