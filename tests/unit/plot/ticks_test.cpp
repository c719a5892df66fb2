// Tick choice over many kinds of range, log decades, time steps and label fitting.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

#include "plotcore/ticks.h"
#include "plotcore/time_ticks.h"

namespace lumora::plotcore {
namespace {

// Labels as wide as 0.6 of a 10-pixel font per character.
const Measure kCharacters = [](const Ticks& t, std::size_t i) {
    return 6.0 * static_cast<double>(t.labels[i].size() + (t.powers ? 2 : 0));
};

bool is_nice(double step) {
    const double m = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    return std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 || std::fabs(m - 5) < 1e-9;
}

TEST(Ticks, NiceStepsAreOneTwoFiveTimesAPowerOfTen) {
    EXPECT_DOUBLE_EQ(nice_step(0.7), 1);
    EXPECT_DOUBLE_EQ(nice_step(1.0), 1);
    EXPECT_DOUBLE_EQ(nice_step(1.1), 2);
    EXPECT_DOUBLE_EQ(nice_step(3), 5);
    EXPECT_DOUBLE_EQ(nice_step(6), 10);
    EXPECT_NEAR(nice_step(2.2e-7), 5e-7, 1e-20);
    EXPECT_DOUBLE_EQ(next_nice_step(1), 2);
    EXPECT_DOUBLE_EQ(next_nice_step(2), 5);
    EXPECT_DOUBLE_EQ(next_nice_step(5), 10);
}

TEST(Ticks, RangesThatFitOnAnAxisOfFourHundredPixels) {
    struct Case {
        double a, b;
    };
    const Case cases[] = {{0, 1},          {0, 10},        {-1, 1},      {-7, -3},
                          {0, 6.283},      {1e-30, 3e-30}, {1e30, 1e35}, {-2e6, 5e6},
                          {0.001, 0.0013}, {99.5, 100.5},  {10, 0},      {3e38, -3e38},
                          {1e6, 1e6 + 2},  {-1e-9, 1e-9}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " ... " << c.b);
        const Range r = usable_range(c.a, c.b);
        ASSERT_TRUE(r.ok);
        const Ticks t = fit_linear_ticks(r.lo, r.hi, 400, 10, 0, 0, kCharacters);
        ASSERT_TRUE(t.ok);
        EXPECT_TRUE(is_nice(t.step)) << t.step;
        EXPECT_GE(t.major.size(), 2u);
        EXPECT_LE(t.major.size(), 13u);
        ASSERT_EQ(t.labels.size(), t.major.size());
        const double slack = t.step * 1e-6;
        for (double v : t.major) {
            EXPECT_GE(v, r.lo - slack);
            EXPECT_LE(v, r.hi + slack);
        }
        EXPECT_TRUE(labels_fit(t, 400 / (r.hi - r.lo), 10, kCharacters));
        // Distinct numbers read as distinct labels.
        EXPECT_EQ(std::set<std::string>(t.labels.begin(), t.labels.end()).size(), t.labels.size());
        for (const std::string& label : t.labels) EXPECT_LE(label.size(), 9u) << label;
    }
}

TEST(Ticks, EqualEndsWidenAndNonFiniteEndsAreRefused) {
    const Range equal = usable_range(5, 5);
    EXPECT_TRUE(equal.ok);
    EXPECT_DOUBLE_EQ(equal.lo, 4.5);
    EXPECT_DOUBLE_EQ(equal.hi, 5.5);
    const Range zero = usable_range(0, 0);
    EXPECT_DOUBLE_EQ(zero.lo, -1);
    EXPECT_DOUBLE_EQ(zero.hi, 1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(usable_range(nan, 1).ok);
    EXPECT_FALSE(usable_range(0, nan).ok);
    EXPECT_FALSE(usable_range(-inf, 1).ok);
    EXPECT_FALSE(fit_linear_ticks(nan, 1, 400, 10, 0, 0, kCharacters).ok);
    EXPECT_FALSE(linear_ticks(0, 1, 0, 0).ok);
    // Reversed ends give the same ticks as the ends in order.
    const Range reversed = usable_range(10, -10);
    EXPECT_DOUBLE_EQ(reversed.lo, -10);
    EXPECT_DOUBLE_EQ(reversed.hi, 10);
}

// Ranges as wide as a double holds, steps that overflow, and ends that single precision
// cannot tell apart: the tick code refuses them or keeps to a bounded number of ticks,
// and never runs on.
TEST(Ticks, HugeRangesAndOverflowingStepsEndWithFewTicks) {
    const double most = std::numeric_limits<double>::max();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(usable_range(-most, most).ok);  // its width overflows
    EXPECT_FALSE(fit_linear_ticks(-most, most, 400, 10, 0, 0, kCharacters).ok);
    EXPECT_FALSE(linear_ticks(-most, most, inf, 0).ok);
    EXPECT_FALSE(linear_ticks(0, 1, inf, 0).ok);
    EXPECT_FALSE(linear_ticks(0, 1, std::numeric_limits<double>::quiet_NaN(), 0).ok);
    for (double hi : {most, most / 2, 1e308, 1e300}) {
        const Ticks t = fit_linear_ticks(0, hi, 400, 10, 0, 0, kCharacters);
        EXPECT_LE(t.major.size(), 13u) << hi;
        EXPECT_LE(t.minor.size(), 13u * 5) << hi;
        for (const std::string& label : t.labels) EXPECT_LE(label.size(), 9u) << label;
    }
    // A step below what the ends can resolve: refused rather than a tick per value.
    EXPECT_FALSE(linear_ticks(1e300, 1e300 + 1e290, 1e280, 0).ok);
    EXPECT_EQ(nice_step(inf), 0);
    EXPECT_EQ(nice_step(-1), 0);
    EXPECT_FALSE(std::isfinite(nice_step(most)));
    // Denormal ranges keep finite labels.
    const Ticks tiny = linear_ticks(0, 4e-320, 1e-320, 0);
    for (const std::string& label : tiny.labels)
        EXPECT_EQ(label.find_first_of("ni"), std::string::npos) << label;
    // Time and log axes over extreme ranges end too.
    EXPECT_FALSE(fit_time_ticks(0, -most, most, 400, 10, kCharacters).ok);
    EXPECT_LE(fit_time_ticks(0, 0, 2.9e13, 400, 10, kCharacters).major.size(), 40u);
    EXPECT_FALSE(fit_log_ticks(-most, most, 400, 10, 0, kCharacters).ok);
    EXPECT_LE(log_ticks(-300, 300, 1).major.size(), 601u);
}

TEST(Ticks, LongNumbersShareAnExponent) {
    const Ticks big = linear_ticks(0, 2e6, 5e5, 0);
    EXPECT_EQ(big.exponent, 6);
    EXPECT_EQ(big.labels, (std::vector<std::string>{"0.0", "0.5", "1.0", "1.5", "2.0"}));
    const Ticks small = linear_ticks(0, 4e-4, 1e-4, 0);
    EXPECT_EQ(small.exponent, -4);
    EXPECT_EQ(small.labels.back(), "4");
    const Ticks plain = linear_ticks(-7, -3, 1, 0);
    EXPECT_EQ(plain.exponent, 0);
    EXPECT_EQ(plain.labels.front(), "-7");
    const Ticks around_zero = linear_ticks(-0.3, 0.3, 0.1, 0);
    EXPECT_EQ(around_zero.labels[3], "0.0");  // never "-0.0"
    EXPECT_EQ(around_zero.labels[0], "-0.3");
}

// A step given by the caller is shown with the decimals it needs: 2.5 is not "2".
TEST(Ticks, GivenStepsKeepTheirDecimals) {
    EXPECT_EQ(linear_ticks(0, 10, 2.5f, 0).labels,
              (std::vector<std::string>{"0.0", "2.5", "5.0", "7.5", "10.0"}));
    EXPECT_EQ(linear_ticks(0, 1, 0.25f, 0).labels,
              (std::vector<std::string>{"0.00", "0.25", "0.50", "0.75", "1.00"}));
    EXPECT_EQ(linear_ticks(0, 1, 0.1f, 0).labels.at(3), "0.3");
    EXPECT_EQ(linear_ticks(0, 1000, 125, 0).labels.at(1), "125");
    EXPECT_EQ(linear_ticks(0, 1, 1 / 3.0f, 0).labels.at(1), "0.3333333");
}

TEST(Ticks, SubticksFollowTheStep) {
    const Ticks ones = linear_ticks(0, 2, 1, 0);
    EXPECT_EQ(ones.minor.size(), 8u);  // fifths between 0, 1 and 2
    const Ticks twos = linear_ticks(0, 4, 2, 0);
    EXPECT_EQ(twos.minor.size(), 6u);  // quarters
    const Ticks fixed = linear_ticks(0, 1, 1, 10);
    EXPECT_EQ(fixed.minor.size(), 9u);
}

TEST(Ticks, NarrowAxesTakeWiderSteps) {
    const Ticks wide = fit_linear_ticks(0, 100000, 600, 10, 0, 0, kCharacters);
    const Ticks narrow = fit_linear_ticks(0, 100000, 120, 10, 0, 0, kCharacters);
    EXPECT_GT(narrow.step, wide.step);
    EXPECT_TRUE(labels_fit(narrow, 120 / 100000.0, 10, kCharacters));
}

TEST(LogTicks, DecadesWithSubticksTwoToNine) {
    const Ticks t = log_ticks(0, 3, 1);
    ASSERT_TRUE(t.ok);
    EXPECT_TRUE(t.powers);
    EXPECT_EQ(t.major, (std::vector<double>{0, 1, 2, 3}));
    EXPECT_EQ(t.labels, (std::vector<std::string>{"0", "1", "2", "3"}));
    EXPECT_EQ(t.minor.size(), 24u);
    EXPECT_NEAR(t.minor[0], std::log10(2.0), 1e-12);
    const Ticks negative = log_ticks(-4, 2, 1);
    EXPECT_EQ(negative.labels.front(), "-4");
}

// An end given in single precision keeps its decade's number: 1e-3f lies a little above
// 1e-3, and the bottom number was lost.
TEST(LogTicks, EndsInSinglePrecisionKeepTheirDecade) {
    const Ticks t = log_ticks(std::log10(double(1e-3f)), std::log10(double(2.0f)), 1);
    ASSERT_FALSE(t.labels.empty());
    EXPECT_EQ(t.labels.front(), "-3");
    EXPECT_EQ(t.labels.back(), "0");
    const Ticks up = log_ticks(std::log10(double(1e-3f)), std::log10(double(1e2f)), 1);
    EXPECT_EQ(up.labels, (std::vector<std::string>{"-3", "-2", "-1", "0", "1", "2"}));
}

TEST(LogTicks, ManyDecadesAreThinnedToFit) {
    const Ticks t = fit_log_ticks(-30, 30, 200, 10, 0, kCharacters);
    ASSERT_TRUE(t.ok);
    EXPECT_GT(t.step, 1);
    EXPECT_TRUE(labels_fit(t, 200 / 60.0, 10, kCharacters));
}

TEST(LogTicks, LessThanADecadeNumbersTheMultiples) {
    const Ticks t = fit_log_ticks(std::log10(2.0), std::log10(8.0), 400, 10, 0, kCharacters);
    ASSERT_TRUE(t.ok);
    EXPECT_FALSE(t.powers);
    EXPECT_EQ(t.labels, (std::vector<std::string>{"2", "3", "4", "5", "6", "7", "8"}));
    const Ticks tight = fit_log_ticks(std::log10(2.0), std::log10(8.0), 60, 10, 0, kCharacters);
    EXPECT_LT(tight.labels.size(), 7u);
    EXPECT_TRUE(labels_fit(tight, 60 / std::log10(4.0), 10, kCharacters));
}

TEST(TimeTicks, CivilTimeOfKnownMoments) {
    const CivilTime t = civil_time(1700000000);
    EXPECT_EQ(t.year, 2023);
    EXPECT_EQ(t.month, 11);
    EXPECT_EQ(t.day, 14);
    EXPECT_EQ(t.hour, 22);
    EXPECT_EQ(t.minute, 13);
    EXPECT_EQ(t.second, 20);
    const CivilTime leap = civil_time(951782400);  // 2000-02-29
    EXPECT_EQ(leap.month, 2);
    EXPECT_EQ(leap.day, 29);
    EXPECT_DOUBLE_EQ(month_start(1970, 1), 0);
    EXPECT_DOUBLE_EQ(month_start(2000, 3), 951868800);
}

TEST(TimeTicks, StepsFromSecondsToYears) {
    const double origin = 1700000000;  // 22:13:20
    const Ticks seconds = fit_time_ticks(origin, 0, 60, 600, 10, kCharacters);
    ASSERT_TRUE(seconds.ok);
    EXPECT_EQ(seconds.labels.front().size(), 8u);  // "22:13:20"
    const Ticks hours = fit_time_ticks(origin, 0, 6 * 3600, 600, 10, kCharacters);
    EXPECT_EQ(hours.labels.front().size(), 5u);  // "22:30"
    EXPECT_EQ(hours.labels.front()[2], ':');
    const Ticks months = fit_time_ticks(origin, 0, 200 * 86400.0, 600, 10, kCharacters);
    EXPECT_EQ(months.labels.front(), "2023-12");
    const Ticks years = fit_time_ticks(origin, 0, 30 * 365 * 86400.0, 400, 10, kCharacters);
    ASSERT_FALSE(years.labels.empty());
    EXPECT_EQ(years.labels.front().size(), 4u);
    for (const Ticks* t : {&seconds, &hours, &months, &years}) {
        EXPECT_GE(t->major.size(), 2u);
        for (double v : t->major) {
            EXPECT_GE(v, 0);
        }
    }
    EXPECT_FALSE(
        fit_time_ticks(std::numeric_limits<double>::quiet_NaN(), 0, 1, 400, 10, kCharacters).ok);
}

TEST(LogTicks, FixedPointNumbersInsteadOfPowers) {
    const Ticks fixed = fit_log_ticks(-3, 3, 600, 10, 0, kCharacters, true);
    ASSERT_TRUE(fixed.ok);
    EXPECT_FALSE(fixed.powers);
    EXPECT_EQ(fixed.labels,
              (std::vector<std::string>{"0.001", "0.01", "0.1", "1", "10", "100", "1000"}));
    EXPECT_EQ(fit_log_ticks(-3, 3, 600, 10, 2, kCharacters, true).labels.front(), "0.01")
        << "every other decade";
    const Ticks thinned = fit_log_ticks(-3, 3, 120, 10, 0, kCharacters, true);
    EXPECT_LT(thinned.major.size(), fixed.major.size()) << "long numbers take more room";
    EXPECT_TRUE(fit_log_ticks(10, 30, 600, 10, 0, kCharacters, true).powers)
        << "1e30 stays a power";
}

TEST(TimeTicks, StepsBelowASecondShowTheirDecimals) {
    const double origin = 1700000000.25;  // 22:13:20.25
    const Ticks ms = fit_time_ticks(origin, 0, 0.02, 600, 10, kCharacters);
    ASSERT_TRUE(ms.ok);
    ASSERT_GE(ms.major.size(), 2u);
    EXPECT_EQ(ms.labels.front(), "22:13:20.250");
    EXPECT_NEAR(ms.major[1] - ms.major[0], 0.005, 1e-6) << "the labels are 12 characters";
    EXPECT_EQ(ms.labels[1], "22:13:20.255");
    const Ticks halves = fit_time_ticks(origin, 0, 2, 600, 10, kCharacters);
    ASSERT_TRUE(halves.ok);
    EXPECT_EQ(halves.labels.front(), "22:13:20.5") << "a 0.5 s step from 22:13:20.25";
    EXPECT_EQ(halves.labels[1], "22:13:21.0");
}

TEST(TimeTicks, AGivenStepAndSubticksAreHonoured) {
    const double origin = 1700000000, day = 86400;
    const Ticks fortnights =
        fit_time_ticks(origin, 0, 120 * day, 600, 10, kCharacters, 14 * day, 7);
    ASSERT_TRUE(fortnights.ok);
    ASSERT_GE(fortnights.major.size(), 8u);
    for (std::size_t i = 1; i < fortnights.major.size(); ++i)
        EXPECT_DOUBLE_EQ(fortnights.major[i] - fortnights.major[i - 1], 14 * day);
    EXPECT_DOUBLE_EQ(std::fmod(fortnights.major[0] + origin, 14 * day), 0) << "on its multiples";
    EXPECT_EQ(fortnights.labels[0].size(), 10u) << "a date: 2023-11-..";
    EXPECT_GE(fortnights.minor.size(), 6 * (fortnights.major.size() - 1));
    const Ticks quarter_hours = fit_time_ticks(origin, 0, 3600, 600, 10, kCharacters, 900, 0);
    EXPECT_EQ(quarter_hours.labels.front().size(), 5u) << "22:15";
    EXPECT_TRUE(quarter_hours.minor.empty()) << "no subticks asked";
    const Ticks too_many = fit_time_ticks(origin, 0, 1e6, 600, 10, kCharacters, 1, 0);
    EXPECT_TRUE(too_many.ok);
    EXPECT_TRUE(too_many.major.empty()) << "more than 1000 ticks: none";
    // Subticks of a chosen step: 4 per hour, but 5 cannot divide a 6-month step into months.
    const Ticks hours = fit_time_ticks(origin, 0, 6 * 3600, 600, 10, kCharacters, 0, 4);
    ASSERT_GE(hours.major.size(), 2u);
    EXPECT_NEAR(static_cast<double>(hours.minor.size()),
                3.0 * static_cast<double>(hours.major.size() + 1), 6);
    const Ticks half_years = fit_time_ticks(origin, 0, 6 * 365 * day, 300, 10, kCharacters, 0, 5);
    EXPECT_TRUE(half_years.ok);
}

// A step given in single precision (0.05f is 0.0500000007) keeps its ticks on the
// decimal grid far from zero: 1.2e9 seconds hold 2.5e10 steps, over which the float's
// error would add up to seconds.
TEST(TimeTicks, AGivenSinglePrecisionStepStaysOnItsDecimalGrid) {
    const auto width = [](const Ticks&, std::size_t) { return 10.0; };
    for (double origin : {1234051201.64757, -265679998.35243, 1230768001.64757}) {
        const Ticks t = fit_time_ticks(origin, -0.2, 0.2, 600, 5, width, 0.05f, 0);
        ASSERT_GE(t.major.size(), 7u) << origin;
        for (double v : t.major) {
            const double steps = (origin + v) / 0.05;
            EXPECT_NEAR(steps, std::round(steps), 1e-4) << origin << " + " << v;
        }
    }
    EXPECT_EQ(decimal_step(0.05f), 0.05);
    EXPECT_EQ(decimal_step(2.5f), 2.5);
    EXPECT_EQ(decimal_step(1.0 / 3), 1.0 / 3) << "no short decimal: as it is";
    const Ticks far = fit_linear_ticks(1e6, 1e6 + 1, 600, 5, 0.1f, 0, width);
    ASSERT_FALSE(far.major.empty());
    EXPECT_NEAR(far.major.front(), 1e6, 1e-6) << "not 1e6 - 0.0149";
}

}  // namespace
}  // namespace lumora::plotcore
