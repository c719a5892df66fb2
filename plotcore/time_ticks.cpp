#include "time_ticks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace lumora::plotcore {
namespace {

constexpr double kMinute = 60, kHour = 3600, kDay = 86400;
// At most 40 major steps pass when the step is chosen, each with its subticks; a given
// step may give up to kMaxGivenTicks majors.
constexpr int kMaxTicks = 1000;
constexpr int kMaxGivenTicks = 1000, kMaxSubticks = 100;

enum class Unit { kSeconds, kMonths };
enum class Form { kFraction, kSeconds, kMinutes, kDays, kMonths, kYears };

struct Step {
    Unit unit;
    double amount;  // seconds or months
    int subticks;
    Form form;
};

constexpr std::array<Step, 42> kSteps = {{
    {Unit::kSeconds, 0.001, 2, Form::kFraction},
    {Unit::kSeconds, 0.002, 2, Form::kFraction},
    {Unit::kSeconds, 0.005, 5, Form::kFraction},
    {Unit::kSeconds, 0.01, 2, Form::kFraction},
    {Unit::kSeconds, 0.02, 2, Form::kFraction},
    {Unit::kSeconds, 0.05, 5, Form::kFraction},
    {Unit::kSeconds, 0.1, 2, Form::kFraction},
    {Unit::kSeconds, 0.2, 2, Form::kFraction},
    {Unit::kSeconds, 0.5, 5, Form::kFraction},
    {Unit::kSeconds, 1, 2, Form::kSeconds},
    {Unit::kSeconds, 2, 2, Form::kSeconds},
    {Unit::kSeconds, 5, 5, Form::kSeconds},
    {Unit::kSeconds, 10, 2, Form::kSeconds},
    {Unit::kSeconds, 15, 3, Form::kSeconds},
    {Unit::kSeconds, 30, 3, Form::kSeconds},
    {Unit::kSeconds, kMinute, 4, Form::kMinutes},
    {Unit::kSeconds, 2 * kMinute, 2, Form::kMinutes},
    {Unit::kSeconds, 5 * kMinute, 5, Form::kMinutes},
    {Unit::kSeconds, 10 * kMinute, 2, Form::kMinutes},
    {Unit::kSeconds, 15 * kMinute, 3, Form::kMinutes},
    {Unit::kSeconds, 30 * kMinute, 3, Form::kMinutes},
    {Unit::kSeconds, kHour, 4, Form::kMinutes},
    {Unit::kSeconds, 2 * kHour, 2, Form::kMinutes},
    {Unit::kSeconds, 3 * kHour, 3, Form::kMinutes},
    {Unit::kSeconds, 6 * kHour, 6, Form::kMinutes},
    {Unit::kSeconds, 12 * kHour, 2, Form::kMinutes},
    {Unit::kSeconds, kDay, 4, Form::kDays},
    {Unit::kSeconds, 2 * kDay, 2, Form::kDays},
    {Unit::kSeconds, 5 * kDay, 5, Form::kDays},
    {Unit::kSeconds, 10 * kDay, 2, Form::kDays},
    {Unit::kMonths, 1, 1, Form::kMonths},
    {Unit::kMonths, 2, 2, Form::kMonths},
    {Unit::kMonths, 3, 3, Form::kMonths},
    {Unit::kMonths, 6, 6, Form::kMonths},
    {Unit::kMonths, 12, 12, Form::kYears},
    {Unit::kMonths, 24, 2, Form::kYears},
    {Unit::kMonths, 60, 5, Form::kYears},
    {Unit::kMonths, 120, 2, Form::kYears},
    {Unit::kMonths, 240, 2, Form::kYears},
    {Unit::kMonths, 600, 5, Form::kYears},
    {Unit::kMonths, 1200, 2, Form::kYears},
    {Unit::kMonths, 6000, 5, Form::kYears},
}};

// Days after 1970-01-01 of a civil date, and back (the proleptic Gregorian calendar).
long long days_from_civil(long long y, int m, int d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CivilTime civil_from_days(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const long long doe = z - era * 146097;
    const long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long long mp = (5 * doy + 2) / 153;
    CivilTime t;
    t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    t.year = yoe + era * 400 + (t.month <= 2);
    return t;
}

std::string fraction_label(double seconds, double step) {
    // Tenths at least, milliseconds at most.
    const int d = std::clamp(decimals_for(step), 1, 3);
    const double scale = std::pow(10.0, d);
    const double rounded = std::round(seconds * scale) / scale;  // on the step's grid
    const double whole = std::floor(rounded);
    const CivilTime t = civil_time(whole);
    char text[64];
    std::snprintf(text, sizeof text, "%02d:%02d:%0*.*f", t.hour, t.minute, d + 3, d,
                  t.second + (rounded - whole));
    return text;
}

std::string label_of(double seconds, Form form, double step) {
    if (form == Form::kFraction) return fraction_label(seconds, step);
    const CivilTime t = civil_time(seconds);
    char text[64];
    switch (form) {
        case Form::kFraction:
        case Form::kSeconds:
            std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
            break;
        case Form::kMinutes:
            std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
            break;
        case Form::kDays:
            std::snprintf(text, sizeof text, "%lld-%02d-%02d", t.year, t.month, t.day);
            break;
        case Form::kMonths:
            std::snprintf(text, sizeof text, "%lld-%02d", t.year, t.month);
            break;
        case Form::kYears:
            std::snprintf(text, sizeof text, "%lld", t.year);
            break;
    }
    return text;
}

void add_tick(Ticks& t, double at, double lo, double hi, bool major, const Step& s, double origin) {
    const double slack = (hi - lo) * 1e-9;
    if (at < lo - slack || at > hi + slack) return;
    if (!major) {
        t.minor.push_back(at);
        return;
    }
    t.major.push_back(at);
    t.labels.push_back(label_of(at + origin, s.form, s.amount));
}

Ticks second_ticks(const Step& s, double origin, double lo, double hi) {
    Ticks t;
    const double minor = s.amount / s.subticks;
    const double first = std::floor((origin + lo) / s.amount) * s.amount;
    const int most = (kMaxGivenTicks + 2) * s.subticks;
    for (int k = 0; k < most && first + k * minor <= origin + hi + minor; ++k) {
        const double at = first + k * minor - origin;
        const bool major = k % s.subticks == 0;
        add_tick(t, at, lo, hi, major, s, origin);
    }
    return t;
}

// The start of month m counted from January of year 0 (negative before it).
double start_of_month(long long m) {
    const long long year = m >= 0 ? m / 12 : -((-m + 11) / 12);
    return month_start(year, static_cast<int>(m - year * 12) + 1);
}

Ticks month_ticks(const Step& s, double origin, double lo, double hi) {
    Ticks t;
    const CivilTime start = civil_time(origin + lo);
    const long long step = static_cast<long long>(s.amount), minor = step / s.subticks;
    long long m = start.year * 12 + (start.month - 1);
    m -= ((m % step) + step) % step;
    for (int k = 0; k < kMaxTicks && start_of_month(m) <= origin + hi; ++k, m += minor) {
        const double at = start_of_month(m) - origin;
        add_tick(t, at, lo, hi, m % step == 0, s, origin);
    }
    return t;
}

}  // namespace

CivilTime civil_time(double seconds) {
    const double whole = std::floor(seconds);
    const long long days = static_cast<long long>(std::floor(whole / kDay));
    long long rest = static_cast<long long>(whole - static_cast<double>(days) * kDay);
    CivilTime t = civil_from_days(days);
    t.hour = static_cast<int>(rest / 3600);
    rest %= 3600;
    t.minute = static_cast<int>(rest / 60);
    t.second = static_cast<int>(rest % 60);
    return t;
}

double month_start(long long year, int month) {
    return static_cast<double>(days_from_civil(year, month, 1)) * kDay;
}

namespace {

// A step given in seconds: ticks on its multiples since 1970, labelled in the form its
// size needs; none when more than kMaxGivenTicks would pass.
Ticks given_step_ticks(double origin, double lo, double hi, double step, int subticks) {
    if ((hi - lo) / step > kMaxGivenTicks || step < 1e-3) {
        Ticks none;
        none.ok = true;
        return none;
    }
    const auto whole = [step](double unit) { return std::fmod(step, unit) == 0; };
    const Form form = !whole(1)         ? Form::kFraction
                      : !whole(kMinute) ? Form::kSeconds
                      : !whole(kDay)    ? Form::kMinutes
                                        : Form::kDays;
    const Step s{Unit::kSeconds, step, subticks > 0 ? std::min(subticks, kMaxSubticks) : 1, form};
    Ticks t = second_ticks(s, origin, lo, hi);
    t.step = step;
    t.ok = true;
    return t;
}

// A chosen step with the subticks asked for, where they divide a month step into months.
Step with_subticks(Step s, int subticks) {
    if (subticks <= 0) return s;
    subticks = std::min(subticks, kMaxSubticks);
    if (s.unit == Unit::kMonths && static_cast<long long>(s.amount) % subticks != 0) return s;
    s.subticks = subticks;
    return s;
}

}  // namespace

Ticks fit_time_ticks(double origin, double lo, double hi, double length, double gap,
                     const Measure& measure, double step, int subticks, const Relabel& relabel) {
    // Beyond a million years the calendar has nothing to say: plain seconds.
    if (!std::isfinite(origin) || !std::isfinite(lo) || !std::isfinite(hi) || lo >= hi ||
        !(length > 0) || std::fabs(origin) + std::fabs(lo) + std::fabs(hi) > 3e13)
        return {};
    const auto labelled = [&relabel](Ticks t) {
        if (relabel && t.ok) relabel(t);
        return t;
    };
    if (step > 0 && std::isfinite(step))
        return labelled(given_step_ticks(origin, lo, hi, decimal_step(step), subticks));
    const double per_unit = length / (hi - lo);
    Ticks t;
    for (const Step& chosen : kSteps) {
        const Step s = with_subticks(chosen, subticks);
        const double seconds = s.unit == Unit::kSeconds ? s.amount : s.amount * 30 * kDay;
        if ((hi - lo) / seconds > 40) continue;
        t = s.unit == Unit::kSeconds ? second_ticks(s, origin, lo, hi)
                                     : month_ticks(s, origin, lo, hi);
        t.step = seconds;
        t.ok = true;
        t = labelled(std::move(t));
        if (labels_fit(t, per_unit, gap, measure)) return t;
    }
    return t;
}

}  // namespace lumora::plotcore
