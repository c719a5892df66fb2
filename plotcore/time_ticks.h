// Ticks of a time axis: steps from a millisecond to centuries, on whole milliseconds,
// seconds, minutes, hours, days, months and years of the UTC calendar, with labels in the
// form the step needs ("12:30:05.25", "12:30:05", "12:30", "2026-12-09", "2026-12",
// "2026").
#pragma once

#include <string>

#include "ticks.h"

namespace lumora::plotcore {

// Civil date and time of seconds after 1970-01-01 00:00:00 UTC.
struct CivilTime {
    long long year = 1970;
    int month = 1, day = 1, hour = 0, minute = 0, second = 0;
};
CivilTime civil_time(double seconds);
// Seconds after 1970-01-01 00:00:00 UTC of the first moment of a month (1 ... 12).
double month_start(long long year, int month);

// Ticks over lo ... hi, seconds after origin (the world of a time axis): with step 0 the
// densest step from a millisecond to a thousand years whose labels fit, as
// fit_linear_ticks chooses; a step > 0 (seconds) as it is, on its multiples since 1970
// (none when more than 1000 would pass). subticks > 0 fixes the intervals between major
// ticks (a chosen step of months keeps its own unless they divide it into months).
Ticks fit_time_ticks(double origin, double lo, double hi, double length, double gap,
                     const Measure& measure, double step = 0, int subticks = 0,
                     const Relabel& relabel = {});

}  // namespace lumora::plotcore
