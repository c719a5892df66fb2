#include "time_format.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "number_format.h"
#include "ticks.h"
#include "time_ticks.h"

namespace lumora::plotcore {
namespace {

constexpr double kDay = 86400;
constexpr const char* kMonths[] = {"January",   "February", "March",    "April",
                                   "May",       "June",     "July",     "August",
                                   "September", "October",  "November", "December"};
constexpr const char* kWeekdays[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                     "Thursday", "Friday", "Saturday"};
constexpr const char* kConversions = "YymbBdejaAHIpMSf%";

// The digits of a %f at f[i] ('%' at i - 1 .. the 'f'): 0 for the step's, else 1 ... 9;
// -1 when f[i] starts no fraction.
int fraction_digits(std::string_view f, std::size_t i) {
    if (i < f.size() && f[i] == 'f') return 0;
    if (i + 1 < f.size() && f[i] >= '1' && f[i] <= '9' && f[i + 1] == 'f') return f[i] - '0';
    return -1;
}

// The most digits any %f of the format shows.
int shown_digits(std::string_view f, double step) {
    int most = 0;
    for (std::size_t i = 0; i + 1 < f.size(); ++i) {
        if (f[i] != '%') continue;
        const int d = fraction_digits(f, i + 1);
        if (d >= 0) most = std::max(most, d == 0 ? std::clamp(decimals_for(step), 1, 3) : d);
        ++i;
    }
    return most;
}

struct Moment {
    CivilTime civil;
    double fraction = 0;  // of the second, in [0, 1)
    int weekday = 4;      // 0 Sunday
    int day_of_year = 1;
};

Moment moment_of(double seconds) {
    Moment m;
    const double whole = std::floor(seconds);
    m.civil = civil_time(whole);
    m.fraction = seconds - whole;
    const double days = std::floor(whole / kDay);
    m.weekday = static_cast<int>(std::fmod(std::fmod(days + 4, 7) + 7, 7));
    m.day_of_year = static_cast<int>(days - month_start(m.civil.year, 1) / kDay) + 1;
    return m;
}

std::string two(int v, char pad = '0') {
    char text[8];
    std::snprintf(text, sizeof text, pad == '0' ? "%02d" : "%2d", v);
    return text;
}

std::string fraction_text(double fraction, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", digits, fraction);
    return std::string(text).substr(2);  // "0.25" -> "25"
}

std::string converted(char c, const Moment& m) {
    const CivilTime& t = m.civil;
    char text[32];
    switch (c) {
        case 'Y':
            std::snprintf(text, sizeof text, "%lld", t.year);
            return text;
        case 'y':
            return two(static_cast<int>(((t.year % 100) + 100) % 100));
        case 'm':
            return two(t.month);
        case 'b':
            return std::string(kMonths[t.month - 1], 3);
        case 'B':
            return kMonths[t.month - 1];
        case 'd':
            return two(t.day);
        case 'e':
            return two(t.day, ' ');
        case 'j':
            std::snprintf(text, sizeof text, "%03d", m.day_of_year);
            return text;
        case 'a':
            return std::string(kWeekdays[m.weekday], 3);
        case 'A':
            return kWeekdays[m.weekday];
        case 'H':
            return two(t.hour);
        case 'I':
            return two((t.hour + 11) % 12 + 1);
        case 'p':
            return t.hour < 12 ? "AM" : "PM";
        case 'M':
            return two(t.minute);
        case 'S':
            return two(t.second);
        default:
            return "%";
    }
}

}  // namespace

std::string time_format_problem(std::string_view format) {
    if (format.size() > kMaxFormatBytes) return "more than 64 bytes";
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '\0') return "a zero byte";
        if (format[i] != '%') continue;
        if (i + 1 >= format.size()) return "a % at the end";
        const int d = fraction_digits(format, i + 1);
        if (d > 0) {
            i += 2;
        } else if (d < 0 && std::strchr(kConversions, format[i + 1]) == nullptr) {
            return std::string("the conversion %") + format[i + 1] + ", which times do not have";
        } else {
            ++i;
        }
    }
    return {};
}

std::string format_time(const std::string& format, double seconds, double step) {
    if (!time_format_problem(format).empty() || !std::isfinite(seconds)) return {};
    const int digits = shown_digits(format, step);
    const double scale = std::pow(10.0, digits);
    const Moment m = moment_of(std::round(seconds * scale) / scale);
    std::string out;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%') {
            out += format[i];
            continue;
        }
        const int d = fraction_digits(format, i + 1);
        if (d >= 0) {
            out += fraction_text(m.fraction, d == 0 ? digits : d);
            i += d == 0 ? 1 : 2;
        } else {
            out += converted(format[++i], m);
        }
    }
    return out;
}

}  // namespace lumora::plotcore
