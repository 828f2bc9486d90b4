#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "core/number_text.h"

namespace velmor {
namespace {

TEST(ShortestRealText, FewestDigitsInTheShorterForm) {
    EXPECT_EQ(shortestRealText(0.5), "0.5");
    EXPECT_EQ(shortestRealText(975.88), "975.88");
    EXPECT_EQ(shortestRealText(818240400.0), "818240400");  // plain beats 8.182404e+08
    EXPECT_EQ(shortestRealText(1e22), "1e+22");
    EXPECT_EQ(shortestRealText(1.5e-7), "1.5e-07");
    EXPECT_EQ(shortestRealText(0.001), "0.001");  // a tie with 1e-03: plain
    EXPECT_EQ(shortestRealText(0.0001), "1e-04");
    EXPECT_EQ(shortestRealText(53165205877497296.0), "53165205877497296");  // every digit
    EXPECT_EQ(shortestRealText(120.0), "120");                              // 1.2e+02 is longer
    EXPECT_EQ(shortestRealText(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(shortestRealText(-2.25), "-2.25");
    EXPECT_EQ(shortestRealText(0.0), "0");
    EXPECT_EQ(shortestRealText(-0.0), "-0");
    EXPECT_EQ(shortestRealText(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(shortestRealText(std::numeric_limits<double>::denorm_min()), "5e-324");
    EXPECT_EQ(shortestRealText(std::numeric_limits<double>::max()), "1.7976931348623157e+308");
}

#if defined(__cpp_lib_to_chars)
// Where the standard library has the floating-point conversions, both give the same text.
TEST(ShortestRealText, AgreesWithTheStandardLibrary) {
    std::mt19937_64 random(7);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_real_distribution<double> coordinates(-5000.0, 5000.0);
    for (int i = 0; i < 20000; ++i) {
        double value = coordinates(random);
        if (i % 2 == 1) {
            const std::uint64_t pattern = bits(random);
            std::memcpy(&value, &pattern, sizeof value);
        }
        if (i % 3 == 0) {
            value = std::round(value * 1e3) / 1e3;  // as transcript times are rounded
        }
        if (!std::isfinite(value)) {
            continue;
        }
        char expected[64];
        const auto end = std::to_chars(expected, expected + sizeof expected, value).ptr;
        ASSERT_EQ(shortestRealText(value), std::string(expected, end)) << i;
    }
}
#endif

TEST(ReadRealPrefix, TakesOnlyTheFormsTheProgramWrites) {
    const auto read = [](std::string_view text, RealNotation notation = RealNotation::general) {
        return readRealPrefix(text, notation);
    };
    ASSERT_TRUE(read("818240400.25"));
    EXPECT_EQ(read("818240400.25")->value, 818240400.25);
    EXPECT_EQ(read("-0.5x")->value, -0.5);
    EXPECT_EQ(read("-0.5x")->length, 4u);
    EXPECT_EQ(read(".5")->value, 0.5);
    EXPECT_EQ(read("5.")->length, 2u);
    EXPECT_EQ(read("1.5e-3")->value, 0.0015);
    EXPECT_EQ(read("2E+2")->value, 200.0);
    EXPECT_EQ(read("2e")->length, 1u);  // an exponent needs digits
    EXPECT_EQ(read("1.5e-3", RealNotation::fixed)->length, 3u);
    for (const char* refused : {"", "-", ".", " 1", "+1", "e5", "inf", "nan", "1e999"}) {
        EXPECT_FALSE(read(refused)) << refused;
    }
    EXPECT_EQ(read("0x10")->length, 1u);  // the 0, not hexadecimal
}

}  // namespace
}  // namespace velmor
