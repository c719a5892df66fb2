#include "fortran_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace lumora::fourier {
namespace {

std::int32_t integer_of(const char* text) {
    std::int32_t value = -77;
    EXPECT_EQ(parse_integer(text, value), NumberStatus::ok) << text;
    return value;
}

double real_of(const char* text) {
    double value = -77.0;
    EXPECT_EQ(parse_real(text, value), NumberStatus::ok) << text;
    return value;
}

TEST(FortranNumber, IntegersWithSignAndFullRange) {
    EXPECT_EQ(integer_of("8"), 8);
    EXPECT_EQ(integer_of("+12"), 12);
    EXPECT_EQ(integer_of("-7"), -7);
    EXPECT_EQ(integer_of("0008"), 8);
    EXPECT_EQ(integer_of("2147483647"), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(integer_of("-2147483648"), std::numeric_limits<std::int32_t>::min());
}

TEST(FortranNumber, IntegerRejectsOtherConstantsAndKeepsValue) {
    for (const char* text : {"1.5", "8.", "1e3", "abc", "8abc", "", "+", "-", "--1", "0x10"}) {
        std::int32_t value = 42;
        EXPECT_EQ(parse_integer(text, value), NumberStatus::malformed) << text;
        EXPECT_EQ(value, 42) << text;
    }
    std::int32_t value = 42;
    EXPECT_EQ(parse_integer("2147483648", value), NumberStatus::out_of_range);
    EXPECT_EQ(parse_integer("-2147483649", value), NumberStatus::out_of_range);
    EXPECT_EQ(parse_integer("99999999999999999999999", value), NumberStatus::out_of_range);
    EXPECT_EQ(value, 42);
}

TEST(FortranNumber, RealsInEveryFortranForm) {
    EXPECT_EQ(real_of("1"), 1.0);
    EXPECT_EQ(real_of("0.37"), 0.37);
    EXPECT_EQ(real_of("-.5"), -0.5);
    EXPECT_EQ(real_of("2."), 2.0);
    EXPECT_EQ(real_of("1.5D-3"), 1.5e-3);
    EXPECT_EQ(real_of("1.0d-2"), 1.0e-2);
    EXPECT_EQ(real_of("2.5d0"), 2.5);
    EXPECT_EQ(real_of("3E2"), 300.0);
    EXPECT_EQ(real_of("3e+2"), 300.0);
    EXPECT_EQ(real_of("4q1"), 40.0);
    EXPECT_EQ(real_of("1.5-3"), 1.5e-3);  // exponent written with its sign only
    EXPECT_EQ(real_of("1.5+3"), 1500.0);
    EXPECT_TRUE(std::signbit(real_of("-0")));
    EXPECT_EQ(real_of("0.1"), 0.1);  // correctly rounded, like the compiler's constant
}

TEST(FortranNumber, RealSpecialValuesAndRangeLimits) {
    EXPECT_EQ(real_of("Inf"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(real_of("-infinity"), -std::numeric_limits<double>::infinity());
    EXPECT_TRUE(std::isnan(real_of("NaN")));
    EXPECT_TRUE(std::isnan(real_of("nan(0x1)")));
    EXPECT_EQ(real_of("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(real_of("-1D400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(real_of("0.0001e-400"), 0.0);
    EXPECT_EQ(real_of("1e-400"), 0.0);
    EXPECT_EQ(real_of("4.9e-324"), std::numeric_limits<double>::denorm_min());
}

TEST(FortranNumber, RealRejectsMalformedText) {
    for (const char* text : {"abc", "", ".", "-", "1.2.3", "1e", "1e+", "1.5D", "1,5", "e5", "1 5",
                             "0x1p3", "infinite", "nan(", "nan(a-b)", "1.5f"}) {
        double value = 42.0;
        EXPECT_EQ(parse_real(text, value), NumberStatus::malformed) << text;
        EXPECT_EQ(value, 42.0) << text;
    }
}

}  // namespace
}  // namespace lumora::fourier
