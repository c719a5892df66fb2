// Formats of numbers and times: which formats are taken (a printf conversion that is not
// for one double would read past the argument), what they print, zero without a sign,
// and the calendar fields of the time conversions.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "plotcore/fortran_format.h"
#include "plotcore/number_format.h"
#include "plotcore/time_format.h"

namespace lumora::plotcore {
namespace {

TEST(NumberFormat, TakesOneConversionForADoubleAndNothingElse) {
    for (const char* good :
         {"%.2f", "%g V", "%%%.1f%%", "%+05d", "%-8.3e", "% #G", "x = %F", "%40.40f"})
        EXPECT_EQ(number_format_problem(good), "") << good;
    const struct {
        const char* format;
        const char* why;
    } bad[] = {{"%s", "the conversion %s"},
               {"%n", "the conversion %n"},
               {"%p", "the conversion %p"},
               {"%ld", "the conversion %l"},
               {"%*d", "the conversion %*"},
               {"%.2f and %.2f", "more than one conversion"},
               {"volts", "no conversion"},
               {"%%", "no conversion"},
               {"%.2", "a conversion without its type"},
               {"%", "a conversion without its type"},
               {"%.41f", "a precision above 40"},
               {"%100f", "a width above 40"},
               {"%.3d", "a precision with %d"},
               {"%99999999999999f", "a width above 40"},
               {"%.99999999999999f", "a precision above 40"}};
    for (const auto& b : bad)
        EXPECT_EQ(number_format_problem(b.format).find(b.why), 0u) << b.format;
    EXPECT_NE(number_format_problem(std::string(61, 'x') + "%.2f"), "") << "more than 64 bytes";
    EXPECT_NE(number_format_problem(std::string("%.2f\0%s", 7)), "") << "a zero byte";
}

TEST(NumberFormat, PrintsTheValueAndZeroWithoutASign) {
    EXPECT_EQ(format_number("%.2f", 3.14159), "3.14");
    EXPECT_EQ(format_number("%g V", 2.5e-7), "2.5e-07 V");
    EXPECT_EQ(format_number("%%%.1f%%", 12.24), "%12.2%");
    EXPECT_EQ(format_number("%d", 2.6), "3") << "rounded to a whole number";
    EXPECT_EQ(format_number("%+05d", -2.4), "-0002");
    EXPECT_EQ(format_number("%d", 1e300).size(), 301u) << "no overflow of a whole number type";
    EXPECT_EQ(format_number("%.2f", -0.001), "0.00");
    EXPECT_EQ(format_number("%.1e", -1e-300), "-1.0e-300") << "not zero in this format";
    EXPECT_EQ(format_number("%d", -0.3), "0");
    EXPECT_EQ(format_number("%.2f", -2.2204460492503131e-16), "0.00");
    EXPECT_EQ(format_number("%.0f", -0.0), "0");
    EXPECT_EQ(format_number("%s", 1.0), "") << "a format that was not checked prints nothing";
}

TEST(NumberFormat, LabelsTicksAndLogTicksByTheirValues) {
    Ticks t = linear_ticks(-1, 1, 0.5, 0);
    format_tick_labels(t, "%.2f", false);
    EXPECT_EQ(t.labels, (std::vector<std::string>{"-1.00", "-0.50", "0.00", "0.50", "1.00"}));
    Ticks small = linear_ticks(0, 4e-6, 1e-6, 0);
    ASSERT_NE(small.exponent, 0) << "chosen labels share an exponent";
    format_tick_labels(small, "%.1e", false);
    EXPECT_EQ(small.exponent, 0) << "a format prints whole values";
    EXPECT_EQ(small.labels[1], "1.0e-06");
    Ticks log = log_ticks(-2, 2, 1);
    ASSERT_TRUE(log.powers);
    format_tick_labels(log, "%g", true);
    EXPECT_FALSE(log.powers);
    EXPECT_EQ(log.labels, (std::vector<std::string>{"0.01", "0.1", "1", "10", "100"}));
}

TEST(FortranFormat, OneEditDescriptorWithQuotedTextsBecomesAPrintfFormat) {
    const struct {
        const char* fortran;
        const char* printf;
    } good[] = {{"(F6.2)", "%6.2f"},
                {" (es10.3) ", "%10.3E"},
                {"(E12.4)", "%12.4E"},
                {"(G0.3)", "%.3G"},
                {"(I4)", "%4d"},
                {"(I0)", "%d"},
                {"('t = ', F5.1, ' s')", "t = %5.1f s"},
                {"(\"it''s \", F.2, ' 100%')", "it''s %.2f 100%%"},
                {"('it''s ', F4.1)", "it's %4.1f"}};
    for (const auto& g : good) {
        std::string why;
        EXPECT_EQ(printf_of_fortran(g.fortran, why), g.printf) << g.fortran << ": " << why;
        EXPECT_EQ(number_format_problem(printf_of_fortran(g.fortran, why)), "") << g.fortran;
    }
    std::string unused;
    EXPECT_EQ(format_number(printf_of_fortran("('t = ', F5.1, ' s')", unused), 2.24),
              "t =   2.2 s");
    const struct {
        const char* fortran;
        const char* why;
    } bad[] = {{"(F6)", "the edit descriptor F6"},
               {"(I4.2)", "the edit descriptor I4.2"},
               {"(EN10.3)", "the edit descriptor EN10.3"},
               {"(A10)", "the edit descriptor A10"},
               {"(F6.2, F6.2)", "more than one edit descriptor"},
               {"('volts')", "no edit descriptor"},
               {"('open, F6.2)", "a Fortran format in parentheses with its quotes closed"},
               {"(F6.2,)", "an empty item"},
               {"(F100.2)", "the edit descriptor F100.2"},
               {"(F99999999999999.2)", "the edit descriptor F99999999999999.2"}};
    for (const auto& b : bad) {
        std::string why;
        EXPECT_EQ(printf_of_fortran(b.fortran, why), "") << b.fortran;
        EXPECT_EQ(why.find(b.why), 0u) << b.fortran << ": " << why;
    }
    EXPECT_FALSE(is_fortran_format("%.2f"));
    EXPECT_TRUE(is_fortran_format(" (F6.2)  "));
}

TEST(TimeFormat, TakesTheConversionsOfTimesOnly) {
    for (const char* good :
         {"%Y-%m-%d", "%d %b %Y", "%H:%M:%S.%f", "%I %p", "%3f", "%j %a %A %B", "100%%", "%e/%y"})
        EXPECT_EQ(time_format_problem(good), "") << good;
    for (const char* bad : {"%Q", "%s", "%H:%", "%0f", "%10f", "%c"})
        EXPECT_NE(time_format_problem(bad), "") << bad;
    EXPECT_NE(time_format_problem(std::string(70, 'x')), "");
}

TEST(TimeFormat, PrintsTheCalendarFieldsInUtc) {
    const double thursday = 1796907909;  // 2026-12-10 13:05:09 UTC
    EXPECT_EQ(format_time("%Y-%m-%d %H:%M:%S", thursday, 1), "2026-12-10 13:05:09");
    EXPECT_EQ(format_time("%a %A %j %b %B %e %y", thursday, 1),
              "Thu Thursday 344 Dec December 10 26");
    EXPECT_EQ(format_time("%I:%M %p", thursday, 1), "01:05 PM");
    EXPECT_EQ(format_time("%I %p", 1709166600, 1), "12 AM") << "2024-02-29 00:30";
    EXPECT_EQ(format_time("%j %a", 1709166600, 1), "060 Thu") << "a leap day";
    EXPECT_EQ(format_time("%Y-%m-%d %a %j %H:%M", -60, 60), "1969-12-31 Wed 365 23:59");
}

TEST(TimeFormat, FractionsTakeTheirDigitsFromTheStepAndRoundTheWholeTime) {
    const double t = 1796907909.25;
    EXPECT_EQ(format_time("%S.%f", t, 0.25), "09.25");
    EXPECT_EQ(format_time("%S.%f", t + 0.25, 0.5), "09.5") << "tenths for a step of 0.5 s";
    EXPECT_EQ(format_time("%S.%f", t, 5), "09.3") << "a tenth at least, rounded";
    EXPECT_EQ(format_time("%S.%5f", t, 1), "09.25000");
    EXPECT_EQ(format_time("%H:%M:%S.%3f", 1796907959.9996, 0.001), "13:06:00.000")
        << "rounded up into the next minute";
    EXPECT_EQ(format_time("%S", 1796907909.9, 1), "10") << "rounded to the whole second shown";
}

}  // namespace
}  // namespace lumora::plotcore
