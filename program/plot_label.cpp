#include "plot_label.h"

#include <cmath>
#include <cstdio>

namespace lumora::fourier {
namespace {

constexpr int kWidth = 7;
constexpr char kUpperText[] = "     a_k        frequency interval =";
constexpr char kLowerText[] = "     b_k";

std::string right_aligned(const std::string& text) {
    if (static_cast<int>(text.size()) > kWidth) return std::string(kWidth, '*');
    return std::string(kWidth - text.size(), ' ') + text;
}

std::string padded(std::string text) {
    text.resize(kLabelLength, ' ');
    return text;
}

}  // namespace

std::string format_f7_5(double value) {
    if (std::isnan(value)) return right_aligned("NaN");
    // Both infinities lie beyond the field's range, like any value of 10 or -1.
    if (std::isinf(value)) return std::string(kWidth, '*');
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.5f", value);
    std::string text = digits;
    if (static_cast<int>(text.size()) > kWidth) {
        // "0." or "-0." loses its zero when that alone makes the value fit.
        const std::size_t zero = text[0] == '-' ? 1 : 0;
        if (text.compare(zero, 2, "0.") == 0) text.erase(zero, 1);
    }
    return right_aligned(text);
}

std::string upper_label(double frequency_interval) {
    return padded(kUpperText + format_f7_5(frequency_interval));
}

std::string lower_label() {
    return padded(kLowerText);
}

}  // namespace lumora::fourier
