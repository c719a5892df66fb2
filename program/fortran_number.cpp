#include "fortran_number.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

namespace lumora::fourier {
namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool is_exponent_letter(char c) {
    const char l = lower(c);
    return l == 'e' || l == 'd' || l == 'q';
}

// Takes an optional sign off the front; true when it was a minus.
bool take_sign(std::string_view& text) {
    if (text.empty() || (text.front() != '+' && text.front() != '-')) return false;
    const bool negative = text.front() == '-';
    text.remove_prefix(1);
    return negative;
}

std::string_view take_digits(std::string_view& text) {
    std::size_t n = 0;
    while (n < text.size() && is_digit(text[n])) ++n;
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// INF, INFINITY, NAN or NAN(alphanumerics), any case.
bool parse_special(std::string_view text, double& value) {
    if (equals_ignoring_case(text, "inf") || equals_ignoring_case(text, "infinity")) {
        value = std::numeric_limits<double>::infinity();
        return true;
    }
    if (text.size() < 3 || !equals_ignoring_case(text.substr(0, 3), "nan")) return false;
    text.remove_prefix(3);
    if (!text.empty()) {
        if (text.front() != '(' || text.back() != ')') return false;
        for (const char c : text.substr(1, text.size() - 2)) {
            if (!is_digit(c) && !(lower(c) >= 'a' && lower(c) <= 'z')) return false;
        }
    }
    value = std::numeric_limits<double>::quiet_NaN();
    return true;
}

// Decimal exponent of the exponent field, saturated far beyond any double's range.
long exponent_value(bool negative, std::string_view digits) {
    long e = 0;
    for (const char c : digits) e = e < 100000000 ? e * 10 + (c - '0') : e;
    return negative ? -e : e;
}

// Power of ten of the leading nonzero digit of the mantissa, for telling an overflow from
// an underflow when the conversion reports the value out of range.
long leading_power(std::string_view whole, std::string_view fraction) {
    const auto first = whole.find_first_not_of('0');
    if (first != std::string_view::npos) return static_cast<long>(whole.size() - first) - 1;
    const auto nonzero = fraction.find_first_not_of('0');
    return -static_cast<long>(nonzero == std::string_view::npos ? 0 : nonzero) - 1;
}

}  // namespace

NumberStatus parse_integer(std::string_view text, std::int32_t& value) {
    const bool negative = take_sign(text);
    const std::string_view digits = take_digits(text);
    if (digits.empty() || !text.empty()) return NumberStatus::malformed;
    const std::int64_t limit = negative ? std::int64_t{1} << 31 : (std::int64_t{1} << 31) - 1;
    std::int64_t magnitude = 0;
    for (const char c : digits) {
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > limit) return NumberStatus::out_of_range;
    }
    value = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    return NumberStatus::ok;
}

NumberStatus parse_real(std::string_view text, double& value) {
    const bool negative = take_sign(text);
    double magnitude = 0.0;
    if (!parse_special(text, magnitude)) {
        const std::string_view whole = take_digits(text);
        std::string_view fraction;
        if (!text.empty() && text.front() == '.') {
            text.remove_prefix(1);
            fraction = take_digits(text);
        }
        if (whole.empty() && fraction.empty()) return NumberStatus::malformed;
        bool exponent_negative = false;
        std::string_view exponent;
        if (!text.empty() &&
            (is_exponent_letter(text.front()) || text.front() == '+' || text.front() == '-')) {
            if (is_exponent_letter(text.front())) text.remove_prefix(1);
            exponent_negative = take_sign(text);
            exponent = take_digits(text);
            if (exponent.empty()) return NumberStatus::malformed;
        }
        if (!text.empty()) return NumberStatus::malformed;

        std::string normal = whole.empty() ? std::string("0") : std::string(whole);
        normal.append(".").append(fraction).append(exponent_negative ? "e-" : "e+");
        normal.append(exponent.empty() ? std::string_view("0") : exponent);
        const auto result =
            std::from_chars(normal.data(), normal.data() + normal.size(), magnitude);
        if (result.ec == std::errc::result_out_of_range) {
            const bool overflow =
                leading_power(whole, fraction) + exponent_value(exponent_negative, exponent) > 0;
            magnitude = overflow ? std::numeric_limits<double>::infinity() : 0.0;
        } else if (result.ec != std::errc() || result.ptr != normal.data() + normal.size()) {
            return NumberStatus::malformed;
        }
    }
    value = negative ? -magnitude : magnitude;
    return NumberStatus::ok;
}

}  // namespace lumora::fourier
