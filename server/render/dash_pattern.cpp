#include "dash_pattern.h"

namespace luwnd::render {

std::vector<double> dash_pattern(DashStyle dash) {
    switch (dash) {
        case DashStyle::kDash:
            return {6, 3};
        case DashStyle::kDot:
            return {1, 2};
        case DashStyle::kDashDot:
            return {6, 2, 1, 2};
        case DashStyle::kDashDotDot:
            return {6, 2, 1, 2, 1, 2};
        case DashStyle::kLongDash:
            return {12, 4};
        case DashStyle::kSparseDot:
            return {1, 4};
        default:
            return {};
    }
}

}  // namespace luwnd::render
