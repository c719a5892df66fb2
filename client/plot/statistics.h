// The five numbers of a box-and-whisker plot.
#pragma once

#include <vector>

namespace lumora::plot {

struct BoxStatistics {
    bool ok = false;
    double q1 = 0, median = 0, q3 = 0;
    double low = 0, high = 0;      // the whisker ends: furthest values within 1.5 IQR
    std::vector<double> outliers;  // the values beyond them
};

// Quartiles by linear interpolation between the sorted values; NaN values are left out.
BoxStatistics box_statistics(std::vector<double> values);

}  // namespace lumora::plot
