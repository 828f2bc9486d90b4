#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <optional>
#include <string>

#include "core/number_text.h"
#include "core/property_list.h"
#include "core/string_format.h"

namespace velmor {
namespace {

// The whole process in a locale with a decimal comma, as a desktop toolkit's
// setlocale(LC_ALL, "") leaves it for a German user; the C locale again afterwards.
class CommaLocale {
public:
    CommaLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"}) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                name_ = name;
                return;
            }
        }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, "C"); }
    CommaLocale(const CommaLocale&) = delete;
    CommaLocale& operator=(const CommaLocale&) = delete;

    bool installed() const { return name_ != nullptr; }

private:
    const char* name_ = nullptr;
};

TEST(ProcessLocale, NumbersInLogLinesAndPropertyListsKeepTheirPoint) {
    const CommaLocale comma;
    if (!comma.installed()) {
        GTEST_SKIP() << "no locale with a decimal comma; scripts/install-deps.sh makes de_DE.UTF-8";
    }
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    ASSERT_STREQ(probe, "2,5");  // the locale really uses a comma

    EXPECT_EQ(formatString("pause=%.3fs down=%.1f error=%.0f n=%zu", 0.5, 80.5, 3.0,
                           std::size_t{1234567}),
              "pause=0.500s down=80.5 error=3 n=1234567");
    const std::optional<Value> value = parsePropertyList(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n"
        "<array>\n\t<real>2.75</real>\n\t<real>-1e-3</real>\n</array>\n</plist>\n");
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, Value(Value::Array{Value::real(2.75), Value::real(-0.001)}));
    const std::string written = serializeXmlPropertyList(Value::real(2.5));
    EXPECT_NE(written.find("<real>2.5</real>"), std::string::npos) << written;
    EXPECT_EQ(parsePropertyList(written), Value::real(2.5));
    EXPECT_EQ(shortestRealText(2.5), "2.5");
    EXPECT_EQ(readRealPrefix("2.5", RealNotation::fixed)->length, 3u);
}

}  // namespace
}  // namespace velmor
