// Times in a caller's strftime-like format, checked before use, for the numbers of a time
// axis: the same text on every platform and in every locale (English names, UTC).
#pragma once

#include <string>
#include <string_view>

namespace lumora::plotcore {

// Why a time format cannot be used; empty when it can. Conversions: %Y year, %y its last
// two digits, %m month 01-12, %b %B month name (Jan, January), %d day 01-31, %e day with a
// space, %j day of the year 001-366, %a %A weekday name, %H hour 00-23, %I hour 01-12,
// %p AM or PM, %M minute, %S second, %f fraction of the second in the digits the step
// needs (1 ... 3), %1f ... %9f in that many digits, %% a percent sign. At most
// kMaxFormatBytes bytes (number_format.h).
std::string time_format_problem(std::string_view format);

// seconds after 1970-01-01 00:00:00 UTC in a format that time_format_problem accepts;
// step (seconds, > 0) is the axis's tick step, which %f takes its digits from. The time is
// rounded to the digits shown, so 12:59:59.9996 in %S.%3f is 13:00:00.000.
std::string format_time(const std::string& format, double seconds, double step);

}  // namespace lumora::plotcore
