#include "screen_dpi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace luwnd::posix {
namespace {

constexpr double kMinDpi = 72, kMaxDpi = 480;
constexpr double kMmPerInch = 25.4;

std::int32_t kept_in_range(double dpi) {
    return static_cast<std::int32_t>(std::lround(std::clamp(dpi, kMinDpi, kMaxDpi)));
}

// The resource as a positive number, or 0 when it is missing or not one.
double resource_dpi(const char* text) {
    if (text == nullptr) return 0;
    char* end = nullptr;
    double value = std::strtod(text, &end);
    while (end != text && (*end == ' ' || *end == '\t')) ++end;
    if (end == text || *end != '\0' || !std::isfinite(value) || value <= 0) return 0;
    return value;
}

}  // namespace

std::int32_t dpi_from(const char* xft_dpi, int width_pixels, int width_mm) {
    if (double dpi = resource_dpi(xft_dpi); dpi > 0) return kept_in_range(dpi);
    if (width_pixels > 0 && width_mm > 0)
        return kept_in_range(width_pixels * kMmPerInch / width_mm);
    return kDefaultDpi;
}

std::int32_t screen_dpi(Display* display) {
    if (display == nullptr) return kDefaultDpi;
    int screen = DefaultScreen(display);
    return dpi_from(XGetDefault(display, "Xft", "dpi"), DisplayWidth(display, screen),
                    DisplayWidthMM(display, screen));
}

}  // namespace luwnd::posix
