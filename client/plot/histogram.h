// Counting values into the equal bins of a range.
#pragma once

#include <vector>

namespace lumora::plot {

// Counts of bins equal parts of x1 ... x2 (x1 < x2): a value on a lower edge counts in
// that bin, x2 in the last one; values outside the range and NaN are left out.
template <typename T>
std::vector<long> bin_counts(const T* values, int n, double x1, double x2, int bins) {
    std::vector<long> counts(static_cast<std::size_t>(bins > 0 ? bins : 0), 0);
    if (bins <= 0 || !(x1 < x2)) return counts;
    const double width = (x2 - x1) / bins;
    for (int i = 0; i < n; ++i) {
        const double v = values[i];
        if (!(v >= x1 && v <= x2)) continue;
        long k = static_cast<long>((v - x1) / width);
        if (k >= bins) k = bins - 1;
        ++counts[static_cast<std::size_t>(k)];
    }
    return counts;
}

}  // namespace lumora::plot
