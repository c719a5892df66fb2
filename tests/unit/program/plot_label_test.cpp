// The F7.5 field and the chart labels.
#include <gtest/gtest.h>

#include <cmath>

#include "plot_label.h"

namespace lumora::fourier {
namespace {

TEST(PlotLabel, FieldKeepsOrDropsTheLeadingZeroOrOverflows) {
    EXPECT_EQ(format_f7_5(6.283185307179586 / 8), "0.78540");
    EXPECT_EQ(format_f7_5(-6.283185307179586 / 8), "-.78540");
    EXPECT_EQ(format_f7_5(6.283185307179586), "6.28319");
    EXPECT_EQ(format_f7_5(9.999994), "9.99999");
    EXPECT_EQ(format_f7_5(9.999996), "*******");  // rounds to 10.00000
    EXPECT_EQ(format_f7_5(10.0), "*******");
    EXPECT_EQ(format_f7_5(-1.0), "*******");
    EXPECT_EQ(format_f7_5(-0.999996), "*******");
    EXPECT_EQ(format_f7_5(0.0), "0.00000");
    EXPECT_EQ(format_f7_5(1e300), "*******");
}

TEST(PlotLabel, InfinitiesOverflowTheFieldAndNaNIsWrittenRightAligned) {
    EXPECT_EQ(format_f7_5(INFINITY), "*******");
    EXPECT_EQ(format_f7_5(-INFINITY), "*******");
    EXPECT_EQ(format_f7_5(NAN), "    NaN");
    EXPECT_EQ(upper_label(INFINITY).substr(36, 8), "******* ");
}

TEST(PlotLabel, LabelsAreEightyCharactersWithTheValueInColumns37To43) {
    const std::string upper = upper_label(6.283185307179586 / 8);
    ASSERT_EQ(upper.size(), 80u);
    EXPECT_EQ(upper.substr(0, 43), "     a_k        frequency interval =0.78540");
    EXPECT_EQ(upper.find_last_not_of(' '), 42u);
    const std::string lower = lower_label();
    ASSERT_EQ(lower.size(), 80u);
    EXPECT_EQ(lower.substr(0, 8), "     b_k");
    EXPECT_EQ(lower.find_last_not_of(' '), 7u);
}

}  // namespace
}  // namespace lumora::fourier
