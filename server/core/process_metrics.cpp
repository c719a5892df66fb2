#include "process_metrics.h"

namespace luwnd {
namespace {

void set_bounded(std::int32_t& target, std::int32_t value, std::int32_t low, std::int32_t high) {
    if (value >= low && value <= high) target = value;
}

}  // namespace

bool ProcessMetrics::get(int code, std::int32_t& first, std::int32_t& second) const {
    switch (code) {
        case 1:
        case 3:
            first = width_;
            second = height_;
            return true;
        case 2:
            first = 1280;
            second = 1024;
            return true;
        case 4:
            first = x_;
            second = y_;
            return true;
        case 10:
            first = dpi_x_;
            second = dpi_y_;
            return true;
        default:
            return false;
    }
}

bool ProcessMetrics::set(int code, int mask, std::int32_t first, std::int32_t second) {
    std::int32_t* a = nullptr;
    std::int32_t* b = nullptr;
    std::int32_t low = 0, high = 0;
    switch (code) {
        case -3:
            a = &width_, b = &height_, low = 1, high = kMaxPage;
            break;
        case -4:
            a = &x_, b = &y_, low = -kMaxPage, high = kMaxPage;
            break;
        case -10:
            a = &dpi_x_, b = &dpi_y_, low = 1, high = 4800;
            break;
        default:
            return false;
    }
    const std::int32_t old_first = *a, old_second = *b;
    if ((mask & 1) != 0) set_bounded(*a, first, low, high);
    if ((mask & 2) != 0) set_bounded(*b, second, low, high);
    if (code == -3 && std::int64_t{width_} * height_ > kMaxPageArea) {
        *a = old_first;
        *b = old_second;
    }
    return true;
}

}  // namespace luwnd
