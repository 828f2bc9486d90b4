#include "core/value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace velmor {
namespace {

TEST(Value, EqualityFollowsFoundation) {
    EXPECT_EQ(Value::integer(1), Value::real(1.0));
    EXPECT_EQ(Value::integer(1), Value::boolean(true));
    EXPECT_EQ(Value::real(0.0), Value::boolean(false));
    EXPECT_NE(Value::integer(1), Value::real(1.5));
    EXPECT_NE(Value::integer(2), Value::boolean(true));
    EXPECT_EQ(Value::real(std::nan("")), Value::real(std::nan("")));
    EXPECT_NE(Value::integer(1), Value("1"));

    // Large integers stay exact: no rounding through double merges neighbours.
    const std::int64_t big = (std::int64_t{1} << 53) + 1;
    EXPECT_NE(Value::integer(big), Value::integer(big - 1));
    EXPECT_NE(Value::integer(big), Value::real(static_cast<double>(big)));

    // An unsigned integer above INT64_MAX is its own value, not the negative of its bits.
    const std::uint64_t huge = std::numeric_limits<std::uint64_t>::max();
    EXPECT_NE(Value::unsignedInteger(huge), Value::integer(-1));
    EXPECT_EQ(Value::unsignedInteger(std::uint64_t{1} << 63), Value::real(9223372036854775808.0));
    EXPECT_EQ(Value::unsignedInteger(5), Value::integer(5));
    EXPECT_EQ(Value::unsignedInteger(huge).numberAsInteger(),
              std::numeric_limits<std::int64_t>::max());

    // Other types compare by content.
    EXPECT_NE(Value("abc"), Value("abd"));
    EXPECT_EQ(Value(Value::Date{12.0}), Value(Value::Date{12.9}));  // XML keeps whole seconds
    EXPECT_NE(Value(Value::Date{12.5}), Value(Value::Date{13.0}));
    EXPECT_NE(Value(Value::Date{-0.5}), Value(Value::Date{0.0}));
    EXPECT_EQ(Value(Value::Data{"\x00\x01"}), Value(Value::Data{"\x00\x01"}));
    EXPECT_NE(Value(Value::Data{"ab"}), Value("ab"));

    const Value array(Value::Array{Value::integer(1), Value("x")});
    EXPECT_EQ(array, Value(Value::Array{Value::real(1.0), Value("x")}));
    EXPECT_NE(array, Value(Value::Array{Value::integer(1)}));
    EXPECT_NE(array, Value(Value::Array{Value("x"), Value::integer(1)}));

    const Value dictionary(Value::Dictionary{{"a", Value::integer(1)}, {"b", array}});
    EXPECT_EQ(dictionary, Value(Value::Dictionary{{"b", array}, {"a", Value::boolean(true)}}));
    EXPECT_NE(dictionary, Value(Value::Dictionary{{"a", Value::integer(1)}, {"c", array}}));
    EXPECT_NE(dictionary, Value(Value::Dictionary{{"a", Value::integer(1)}}));
    EXPECT_NE(dictionary, array);
}

TEST(Value, Utf16LengthCountsSurrogatePairs) {
    EXPECT_EQ(utf16Length("abc"), 3u);
    EXPECT_EQ(utf16Length("한글"), 2u);
    EXPECT_EQ(utf16Length("\xF0\x9F\x91\xA8"), 2u);                              // one emoji
    EXPECT_EQ(utf16Length("\xF0\x9F\x91\xA8\xE2\x80\x8D\xF0\x9F\x91\xA9"), 5u);  // with a ZWJ
}

}  // namespace
}  // namespace velmor
