#include "number_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>

namespace lumora::plotcore {
namespace {

constexpr int kMostDigits = 40;  // width or precision
// Whole numbers print as such up to here; beyond, as the rounded double.
constexpr double kLargestWhole = 9e15;

struct Conversion {
    std::size_t start = 0, end = 0;  // the conversion's bytes, '%' to its type
    char type = 0;
    bool precision = false;
};

// Reads up to two digits; false when there are more or the number is too large.
bool digits(std::string_view f, std::size_t& i) {
    int value = 0, count = 0;
    // Past two digits the value no longer matters (and must not overflow).
    for (; i < f.size() && f[i] >= '0' && f[i] <= '9'; ++i, ++count)
        if (count < 2) value = value * 10 + (f[i] - '0');
    return count <= 2 && value <= kMostDigits;
}

// The conversion starting at f[i] == '%' (not "%%"), or why it cannot be used.
std::string read_conversion(std::string_view f, std::size_t i, Conversion& c) {
    c.start = i++;
    while (i < f.size() && std::strchr("-+ #0", f[i]) != nullptr) ++i;
    if (!digits(f, i)) return "a width above 40";
    if (i < f.size() && f[i] == '.') {
        c.precision = true;
        if (!digits(f, ++i)) return "a precision above 40";
    }
    if (i >= f.size()) return "a conversion without its type";
    c.type = f[i];
    if (std::strchr("fFeEgGd", c.type) == nullptr)
        return std::string("the conversion %") + c.type + ", not one of f F e E g G d";
    if (c.type == 'd' && c.precision) return "a precision with %d";
    c.end = i + 1;
    return {};
}

// The one conversion of a format, or why there is not exactly one.
std::string find_conversion(std::string_view f, Conversion& found) {
    int count = 0;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (f[i] == '\0') return "a zero byte";
        if (f[i] != '%') continue;
        if (i + 1 < f.size() && f[i + 1] == '%') {
            ++i;
            continue;
        }
        Conversion c;
        if (std::string why = read_conversion(f, i, c); !why.empty()) return why;
        found = c;
        ++count;
        i = c.end - 1;
    }
    if (count != 1) return count == 0 ? "no conversion (such as %.2f)" : "more than one conversion";
    return {};
}

std::string printed(const std::string& format, double v) {
    // Room for 1e308 in %.40f, a width of 40 and the format's own text.
    char text[512];
    std::snprintf(text, sizeof text, format.c_str(), v);
    return text;
}

}  // namespace

std::string message_number(double v) {
    // The C libraries spell these each their own way.
    if (std::isnan(v)) return "NaN";
    if (std::isinf(v)) return v > 0 ? "infinity" : "-infinity";
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

std::string number_format_problem(std::string_view format) {
    if (format.size() > kMaxFormatBytes) return "more than 64 bytes";
    Conversion c;
    return find_conversion(format, c);
}

std::string format_number(const std::string& format, double v) {
    Conversion c;
    if (!find_conversion(format, c).empty()) return {};
    std::string f = format;
    if (c.type == 'd') {
        // A double cannot go through %d: the whole number as %.0f, with the same flags.
        f.replace(c.end - 1, 1, ".0f");
        if (std::fabs(v) <= kLargestWhole) v = std::round(v);
    }
    if (!std::isfinite(v)) return printed(f, v);
    // Rounded to zero: as zero, not "-0.00".
    if (v == 0 || (v < 0 && printed(f, v) == printed(f, -0.0))) v = 0;
    return printed(f, v);
}

void format_tick_labels(Ticks& t, const std::string& format, bool log) {
    t.labels.clear();
    for (double v : t.major) {
        // A tick within a hundredth of a step of zero is zero.
        if (!log && std::fabs(v) < t.step * 1e-2) v = 0;
        t.labels.push_back(format_number(format, log ? std::pow(10.0, v) : v));
    }
    t.exponent = 0;
    t.powers = false;
}

}  // namespace lumora::plotcore
