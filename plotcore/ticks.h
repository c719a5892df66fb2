// Choosing the ticks of an axis: "nice" steps of 1, 2 and 5 times a power of ten with
// their subticks, decades on log axes, and the number texts that go with them.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace lumora::plotcore {

// The ends of an axis that a frame can use, lo < hi; ok is false for an end that is NaN
// or infinite. Equal ends are widened around their value.
struct Range {
    double lo = 0, hi = 1;
    bool ok = false;
};
Range usable_range(double a, double b);

// The smallest step of 1, 2 or 5 times a power of ten that is at least raw (> 0).
double nice_step(double raw);
// The nice step after step: 1 -> 2 -> 5 -> 10.
double next_nice_step(double step);

struct Ticks {
    bool ok = false;
    double step = 0;                  // between major ticks (decades on a log axis)
    std::vector<double> major;        // positions in axis units (log10 on a log axis)
    std::vector<double> minor;        // subtick positions, major ones left out
    std::vector<std::string> labels;  // one per major tick
    int exponent = 0;                 // nonzero: the labels are multiples of 10^exponent
    bool powers = false;              // the labels are exponents of ten (log axes)
};

// Labels of the major ticks t.step apart, as an axis numbers them: the decimals the step
// needs, and past 1e5 or below 1e-3 a common exponent (t.exponent) for all.
void label_ticks(Ticks& t);
// The fewest decimals that show every multiple of step (2.5 needs one, 0.25 two), to
// single precision, in which a step is given.
int decimals_for(double step);
// A step given in single precision as the decimal it stands for (0.05f, which is
// 0.0500000007, as 0.05), so that its multiples far from zero stay on the decimal grid;
// a step with no short decimal form as it is.
double decimal_step(double step);

// Ticks of step (> 0) over lo ... hi with subticks intervals between them (0: chosen
// from the step).
Ticks linear_ticks(double lo, double hi, double step, int subticks);
// Decades of a log axis over lo ... hi (log10 of the values) every `every` decades, with
// subticks at 2 ... 9 when the decades are labelled one by one.
Ticks log_ticks(double lo, double hi, int every);

// The length a label takes along the axis, in pixels.
using Measure = std::function<double(const Ticks& ticks, std::size_t i)>;
// Labels ticks anew (a caller's number format), before they are measured; empty: the
// labels stay as chosen.
using Relabel = std::function<void(Ticks& ticks)>;

// Whether neighbouring labels keep at least gap pixels between them; pixels_per_unit
// maps axis units to pixels.
bool labels_fit(const Ticks& ticks, double pixels_per_unit, double gap, const Measure& measure);

// Ticks for an axis of length pixels: the densest nice step (at most about ten majors)
// whose labels fit. A fixed step > 0 is taken as it is.
Ticks fit_linear_ticks(double lo, double hi, double length, double gap, double step, int subticks,
                       const Measure& measure, const Relabel& relabel = {});
// fixed: decades numbered 0.01, 0.1, 1, 10 (up to 15 decades from 1) instead of as
// powers of ten.
Ticks fit_log_ticks(double lo, double hi, double length, double gap, int every,
                    const Measure& measure, bool fixed = false, const Relabel& relabel = {});

}  // namespace lumora::plotcore
