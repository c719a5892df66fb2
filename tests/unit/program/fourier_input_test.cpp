#include "fourier_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

namespace lumora::fourier {
namespace {

struct Outcome {
    std::optional<InputFailure> failure;
    FourierInput input;
    std::string console;
};

Outcome read_from(const std::string& text) {
    std::istringstream in(text);
    StreamSource source(in);
    std::ostringstream out;
    Outcome outcome;
    outcome.failure = read_fourier_input(source, out, outcome.input);
    outcome.console = out.str();
    return outcome;
}

TEST(FourierInput, PromptsAreExactBytesWithoutNewline) {
    EXPECT_EQ(kPromptN.size(), 33u);
    EXPECT_EQ(kPromptDt.size(), 19u);
    const Outcome outcome = read_from("8\n1\n");
    EXPECT_FALSE(outcome.failure);
    EXPECT_EQ(outcome.console, "number of data points N (even) = sampling time dt = ");
}

TEST(FourierInput, DerivesHighestIndexAndRecordLength) {
    struct Case {
        const char* text;
        std::int32_t n, m;
        double dt, t;
    };
    for (const Case& c : {Case{"8\n1\n", 8, 4, 1.0, 8.0}, Case{"7\n0.5\n", 7, 3, 0.5, 3.5},
                          Case{"1\n2\n", 1, 0, 2.0, 2.0}, Case{"-1\n1\n", -1, 0, 1.0, -1.0},
                          Case{"-7\n1\n", -7, -3, 1.0, -7.0},
                          Case{"\n  1000 points\n\n 0.37D0 s\n", 1000, 500, 0.37, 1000 * 0.37}}) {
        const Outcome outcome = read_from(c.text);
        ASSERT_FALSE(outcome.failure) << c.text;
        EXPECT_EQ(outcome.input.n, c.n) << c.text;
        EXPECT_EQ(outcome.input.m, c.m) << c.text;
        EXPECT_EQ(outcome.input.dt, c.dt) << c.text;
        EXPECT_EQ(outcome.input.t, c.t) << c.text;
    }
}

TEST(FourierInput, NullValuesLeaveZero) {
    const Outcome outcome = read_from(",\n/\n");
    ASSERT_FALSE(outcome.failure);
    EXPECT_EQ(outcome.input.n, 0);
    EXPECT_EQ(outcome.input.dt, 0.0);
    EXPECT_EQ(outcome.input.t, 0.0);
}

TEST(FourierInput, FailuresNameTheQuantityAndStopPrompting) {
    struct Case {
        const char* text;
        const char* reason;
        bool end_of_input;
        const char* console;
    };
    const char* one = "number of data points N (even) = ";
    const char* both = "number of data points N (even) = sampling time dt = ";
    for (const Case& c :
         {Case{"", "cannot read N: end of input", true, one},
          Case{"abc\n1\n", "cannot read N: \"abc\" is not an integer", false, one},
          Case{"1.5\n1\n", "cannot read N: \"1.5\" is not an integer", false, one},
          Case{"4294967296\n", "cannot read N: \"4294967296\" is out of range", false, one},
          Case{"8\n", "cannot read dt: end of input", true, both},
          Case{"8\nabc\n", "cannot read dt: \"abc\" is not a real number", false, both},
          Case{"8\n1.5E\n", "cannot read dt: \"1.5E\" is not a real number", false, both}}) {
        const Outcome outcome = read_from(c.text);
        ASSERT_TRUE(outcome.failure) << c.text;
        EXPECT_EQ(outcome.failure->reason, c.reason);
        EXPECT_EQ(outcome.failure->end_of_input, c.end_of_input) << c.text;
        EXPECT_EQ(outcome.console, c.console) << c.text;
    }
}

}  // namespace
}  // namespace lumora::fourier
