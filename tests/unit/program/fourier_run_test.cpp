#include "fourier_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "fourier_coefficients.h"

namespace lumora::fourier {
namespace {

// Writes each graphics step as one line, with how much input had been consumed.
class RecordingGraphics final : public FourierGraphics {
  public:
    explicit RecordingGraphics(std::istringstream& in) : in_(in) {}
    std::int32_t open() override {
        log << "open at " << in_.tellg() << "\n";
        return 1;
    }
    void draw_frames(std::int32_t m, double t, std::int32_t upper, std::int32_t lower) override {
        log << "frames " << m << " " << t << " " << upper << " " << lower << "\n";
    }
    void draw_bars(std::int32_t upper, std::int32_t lower, std::int32_t k, float a_k,
                   float b_k) override {
        log << "bars " << upper << " " << lower << " " << k << "\n";
        a.push_back(a_k);
        b.push_back(b_k);
    }
    std::int32_t end() override {
        log << "end\n";
        return 1;
    }
    void abandon() override { log << "abandon\n"; }

    std::ostringstream log;
    std::vector<float> a, b;

  private:
    std::istringstream& in_;
};

struct RunOutcome {
    int status;
    std::string out, err, steps;
    std::vector<float> a, b;
};

RunOutcome run(const std::string& text) {
    std::istringstream in(text);
    StreamSource source(in);
    std::ostringstream out, err;
    RecordingGraphics graphics(in);
    const int status = run_fourier(source, out, err, graphics);
    return {status, out.str(), err.str(), graphics.log.str(), graphics.a, graphics.b};
}

TEST(FourierRun, StepsInTheOrderOfTheMainRoutine) {
    const RunOutcome r = run("8\n1\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "number of data points N (even) = sampling time dt = ");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.steps,
              "open at 0\nframes 4 8 1 2\nbars 1 2 0\nbars 1 2 1\nbars 1 2 2\nbars 1 2 3\n"
              "bars 1 2 4\nend\n");
}

TEST(FourierRun, BarsCarryTheCoefficientsInSinglePrecision) {
    const RunOutcome r = run("1000\n0.37\n");
    CoefficientList list;
    compute_coefficients(1000, 500, 0.37, 1000 * 0.37, list);
    ASSERT_EQ(r.a.size(), 501u);
    for (std::size_t k = 0; k < r.a.size(); ++k) {
        EXPECT_EQ(r.a[k], static_cast<float>(list.values[k].a)) << k;
        EXPECT_EQ(r.b[k], static_cast<float>(list.values[k].b)) << k;
    }
}

TEST(FourierRun, NoBarsForNegativeNButFramesAndEnd) {
    const RunOutcome r = run("-4\n1\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.steps, "open at 0\nframes -2 -4 1 2\nend\n");
    const RunOutcome zero = run("0\n1\n");
    ASSERT_EQ(zero.a.size(), 1u);
    EXPECT_TRUE(std::isnan(zero.a[0]));
}

TEST(FourierRun, InputFailureReportsAndStopsBeforeTheFrames) {
    const RunOutcome eof = run("8\n");
    EXPECT_EQ(eof.status, kInputFailureStatus);
    EXPECT_EQ(eof.err, "\nfourier: cannot read dt: end of input\n");
    EXPECT_EQ(eof.steps, "open at 0\nabandon\n");
    const RunOutcome bad = run("x8\n1\n");
    EXPECT_EQ(bad.status, kInputFailureStatus);
    EXPECT_EQ(bad.out, "number of data points N (even) = ");
    EXPECT_EQ(bad.err, "fourier: cannot read N: \"x8\" is not an integer\n");
}

}  // namespace
}  // namespace lumora::fourier
