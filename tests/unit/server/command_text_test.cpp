// Reading the comma forms and the terminated texts.
#include <gtest/gtest.h>

#include "server/core/command_text.h"

namespace luwnd {
namespace {

TEST(CommandText, FieldsAndRest) {
    std::int32_t v[6] = {};
    std::string_view rest;
    ASSERT_TRUE(parse_fields("I,0,0,0,-1,-1,-1,My title, with comma", v, 6, &rest));
    EXPECT_EQ(v[0], 0);
    EXPECT_EQ(v[3], -1);
    EXPECT_EQ(rest, "My title, with comma");
    ASSERT_TRUE(parse_fields("L,1,", v, 1, &rest));
    EXPECT_EQ(rest, "");
}

TEST(CommandText, LimitsOfThirtyTwoBits) {
    std::int32_t v = 0;
    EXPECT_TRUE(parse_fields("K,2147483647,", &v, 1, nullptr));
    EXPECT_EQ(v, INT32_MAX);
    EXPECT_TRUE(parse_fields("K,-2147483648,", &v, 1, nullptr));
    EXPECT_EQ(v, INT32_MIN);
    EXPECT_FALSE(parse_fields("K,2147483648,", &v, 1, nullptr));
    EXPECT_FALSE(parse_fields("K,-2147483649,", &v, 1, nullptr));
    EXPECT_FALSE(parse_fields("K,99999999999999999999999,", &v, 1, nullptr));
}

TEST(CommandText, MalformedFields) {
    std::int32_t v[2] = {};
    EXPECT_FALSE(parse_fields("K", v, 1, nullptr));
    EXPECT_FALSE(parse_fields("K;1,", v, 1, nullptr));
    EXPECT_FALSE(parse_fields("K,,", v, 1, nullptr));
    EXPECT_FALSE(parse_fields("K,-,", v, 1, nullptr));
    EXPECT_FALSE(parse_fields("K, 1,", v, 1, nullptr));
    EXPECT_FALSE(parse_fields("K,1", v, 1, nullptr));
    EXPECT_FALSE(parse_fields("K,1,2", v, 2, nullptr));
    EXPECT_TRUE(parse_list("3;4;", ';', v, 2, nullptr));
    EXPECT_EQ(v[1], 4);
}

TEST(CommandText, TerminatedText) {
    const std::uint8_t with_nul[] = {'a', 'b', 0, 'c'};
    EXPECT_EQ(terminated_text(with_nul, 4), "ab");
    EXPECT_FALSE(terminated_text(with_nul, 2));
    EXPECT_FALSE(terminated_text(nullptr, 0));
}

}  // namespace
}  // namespace luwnd
