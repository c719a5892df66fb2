#include "ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

namespace lumora::plotcore {
namespace {

constexpr int kMaxMajors = 12;
// The most major steps a range may take, whatever step it is given: more cannot be told
// apart on any axis, and the bound keeps every loop below short.
constexpr int kMaxSteps = 1000;
constexpr int kMaxSubticks = 100;
// Common exponents whose scale 10^-exponent a double holds.
constexpr int kLeastExponent = -307, kGreatestExponent = 308;
constexpr double kMaxDecade = 400;
// Labels beyond these magnitudes get a common exponent.
constexpr double kLargeLabel = 1e5, kSmallLabel = 1e-3;

double mantissa_of(double step) {
    return step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
}

int default_subticks(double step) {
    const double m = mantissa_of(step);
    return m < 1.5 ? 5 : m < 3 ? 4 : 5;
}

std::string fixed(double v, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, v);
    std::string s = text;
    // No "-0" or "-0.0".
    if (s.front() == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

// Decades numbered in fixed point (0.001, 1, 1000) instead of as powers of ten; beyond 15
// decimals or digits a decade keeps its power.
Ticks fixed_point(Ticks t) {
    if (!t.powers) return t;
    for (const double d : t.major)
        if (std::fabs(d) > 15) return t;
    t.powers = false;
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        const long decade = std::lround(t.major[i]);
        t.labels[i] = fixed(std::pow(10.0, static_cast<double>(decade)),
                            decade < 0 ? static_cast<int>(-decade) : 0);
    }
    return t;
}

}  // namespace

// The fewest decimals that show every multiple of step exactly (2.5 needs one, 0.25
// two), to single precision, in which a step is given.
int decimals_for(double step) {
    constexpr int kMostDecimals = 15;
    double scaled = std::fabs(step);
    for (int d = 0; d < kMostDecimals; ++d, scaled *= 10) {
        const double whole = std::round(scaled);
        if (whole >= 1 && std::fabs(scaled - whole) <= 1e-6 * scaled) return d;
    }
    return kMostDecimals;
}

double decimal_step(double step) {
    constexpr int kMostDecimals = 15;
    const int d = decimals_for(step);
    if (!(step > 0) || !std::isfinite(step) || d >= kMostDecimals) return step;
    const double scale = std::pow(10.0, d);
    const double decimal = std::round(step * scale) / scale;
    // Only where the step is that decimal rounded to single precision (2^-24 relative).
    return decimal > 0 && std::fabs(decimal - step) <= step * 6e-8 ? decimal : step;
}

void label_ticks(Ticks& t) {
    double largest = 0;
    for (double v : t.major) largest = std::max(largest, std::fabs(v));
    if (largest >= kLargeLabel || (largest > 0 && largest < kSmallLabel))
        t.exponent = std::clamp(static_cast<int>(std::floor(std::log10(largest) + 1e-9)),
                                kLeastExponent, kGreatestExponent);
    const double scale = std::pow(10.0, -t.exponent);
    const int decimals = decimals_for(t.step * scale);
    for (double v : t.major) {
        // A tick within a hundredth of a step of zero is zero.
        if (std::fabs(v) < t.step * 1e-2) v = 0;
        t.labels.push_back(fixed(v * scale, decimals));
    }
}

namespace {

// Differences rather than widened ends: an end near the largest double plus the slack
// would overflow.
bool inside(double v, double lo, double hi, double slack) {
    return v - lo >= -slack && hi - v >= -slack;
}

}  // namespace

Range usable_range(double a, double b) {
    Range r;
    if (!std::isfinite(a) || !std::isfinite(b)) return r;
    r.lo = std::min(a, b);
    r.hi = std::max(a, b);
    // Ends that single precision cannot tell apart count as equal.
    const double magnitude = std::max(std::fabs(r.lo), std::fabs(r.hi));
    if (!std::isfinite(r.hi - r.lo)) return r;  // a width that overflows
    if (r.hi - r.lo <= magnitude * 1e-6 || r.hi - r.lo < 1e-30) {
        const double mid = r.lo / 2 + r.hi / 2;
        // Around a value too near zero for a tenth of it to be a width: as around zero.
        const double half = std::fabs(mid) < 5e-30 ? 1 : std::fabs(mid) * 0.1;
        r.lo = mid - half;
        r.hi = mid + half;
    }
    r.ok = std::isfinite(r.lo) && std::isfinite(r.hi) && r.lo < r.hi;
    return r;
}

double nice_step(double raw) {
    if (!(raw > 0) || !std::isfinite(raw)) return 0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw * (1 - 1e-9)) return m * power;
    return 10 * power;
}

double next_nice_step(double step) {
    return nice_step(step * 1.5);
}

Ticks linear_ticks(double lo, double hi, double step, int subticks) {
    Ticks t;
    if (!(step > 0) || !std::isfinite(step) || !std::isfinite(lo) || !std::isfinite(hi) || lo >= hi)
        return t;
    // NaN and overflowing spans fail the test too.
    if (!((hi - lo) / step <= kMaxSteps)) return t;
    const double first = std::floor(lo / step) * step;
    // A step that the ends cannot resolve would give the same tick over and over.
    if (!std::isfinite(first) || first + step == first || hi - step == hi) return t;
    t.step = step;
    const double slack = step * 1e-6;
    const int subs = subticks > 0 ? std::min(subticks, kMaxSubticks) : default_subticks(step);
    for (int k = 0; k <= kMaxSteps + 2; ++k) {
        const double v = first + k * step;
        if (!(v - hi <= slack)) break;
        if (inside(v, lo, hi, slack)) t.major.push_back(v);
        for (int s = 1; s < subs; ++s) {
            const double m = v + s * step / subs;
            if (inside(m, lo, hi, slack)) t.minor.push_back(m);
        }
    }
    label_ticks(t);
    t.ok = true;
    return t;
}

Ticks log_ticks(double lo, double hi, int every) {
    Ticks t;
    // Decades of doubles lie within +-400; beyond, a decade step would not move.
    if (!(lo >= -kMaxDecade) || !(hi <= kMaxDecade) || lo >= hi) return t;
    every = std::max(every, 1);
    t.step = every;
    t.powers = true;
    // Ends given in single precision (1e-3f is 0.00100000005) still take their decade.
    const double slack = 1e-6;
    for (double d = std::floor(lo); d <= hi + slack; ++d) {
        const long decade = std::lround(d);
        if (inside(d, lo, hi, slack) && decade % every == 0) {
            t.major.push_back(d);
            t.labels.push_back(std::to_string(decade));
        } else if (inside(d, lo, hi, slack) && every > 1) {
            t.minor.push_back(d);
        }
        for (int k = 2; k <= 9 && every == 1; ++k) {
            const double m = d + std::log10(k);
            if (inside(m, lo, hi, slack)) t.minor.push_back(m);
        }
    }
    if (t.major.size() < 2 && every == 1) {
        // Less than a decade or two: the multiples of each power carry the numbers.
        t.major.clear();
        t.labels.clear();
        t.minor.clear();
        t.powers = false;
        for (double d = std::floor(lo); d <= hi + slack; ++d) {
            for (int k = 1; k <= 9; ++k) {
                const double m = d + std::log10(k);
                if (!inside(m, lo, hi, slack)) continue;
                char text[32];
                std::snprintf(text, sizeof text, "%g", k * std::pow(10.0, d));
                t.major.push_back(m);
                t.labels.push_back(text);
            }
        }
    }
    t.ok = true;
    return t;
}

bool labels_fit(const Ticks& ticks, double pixels_per_unit, double gap, const Measure& measure) {
    for (std::size_t i = 1; i < ticks.major.size(); ++i) {
        const double apart = std::fabs(ticks.major[i] - ticks.major[i - 1]) * pixels_per_unit;
        const double needed = (measure(ticks, i - 1) + measure(ticks, i)) / 2 + gap;
        if (apart < needed) return false;
    }
    return true;
}

namespace {

Ticks relabelled(Ticks t, const Relabel& relabel) {
    if (relabel && t.ok) relabel(t);
    return t;
}

}  // namespace

Ticks fit_linear_ticks(double lo, double hi, double length, double gap, double step, int subticks,
                       const Measure& measure, const Relabel& relabel) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo >= hi || !std::isfinite(hi - lo) ||
        !(length > 0))
        return {};
    const auto ticks = [&](double s) {
        return relabelled(linear_ticks(lo, hi, s, subticks), relabel);
    };
    if (step > 0) return ticks(decimal_step(step));
    const double per_unit = length / (hi - lo);
    step = nice_step((hi - lo) / kMaxMajors);
    for (int attempt = 0; attempt < 40; ++attempt, step = next_nice_step(step)) {
        Ticks t = ticks(step);
        if (t.ok && labels_fit(t, per_unit, gap, measure)) return t;
    }
    return ticks(step);
}

Ticks fit_log_ticks(double lo, double hi, double length, double gap, int every,
                    const Measure& measure, bool fixed, const Relabel& relabel) {
    if (!std::isfinite(lo) || !std::isfinite(hi) || lo >= hi || !(length > 0)) return {};
    // A caller's format numbers every tick, the multiples and the decades alike.
    const auto numbered = [fixed, &relabel](Ticks t) {
        return relabel ? relabelled(std::move(t), relabel) : fixed ? fixed_point(std::move(t)) : t;
    };
    if (every > 0) return numbered(log_ticks(lo, hi, every));
    const double per_unit = length / (hi - lo);
    Ticks t;
    for (int e : {1, 2, 5, 10, 20, 50, 100}) {
        t = log_ticks(lo, hi, e);
        if (!t.ok) return t;
        if (!t.powers) {
            t = relabelled(std::move(t), relabel);
            // Numbers on the multiples: thin them to 1, 2, 5, then 1.
            for (const std::vector<int>& keep : {std::vector<int>{1, 2, 5}, std::vector<int>{1}}) {
                if (labels_fit(t, per_unit, gap, measure)) return t;
                Ticks thin = t;
                thin.major.clear();
                thin.labels.clear();
                for (std::size_t i = 0; i < t.major.size(); ++i) {
                    const double k = std::pow(10.0, t.major[i] - std::floor(t.major[i] + 1e-9));
                    const bool kept = std::any_of(keep.begin(), keep.end(), [&](int m) {
                        return std::fabs(k - m) < 1e-6 * m;
                    });
                    (kept ? thin.major : thin.minor).push_back(t.major[i]);
                    if (kept) thin.labels.push_back(t.labels[i]);
                }
                t = thin;
            }
            return t;
        }
        t = numbered(std::move(t));
        if (labels_fit(t, per_unit, gap, measure)) return t;
    }
    return t;
}

}  // namespace lumora::plotcore
