// Labels on contour lines: where they go, their angle, and the gaps they leave.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "client/plot/contour_labels.h"

namespace lumora::plot {
namespace {

std::vector<DevicePoint> straight(double length, double dx, double dy, int n = 50) {
    std::vector<DevicePoint> line;
    for (int k = 0; k <= n; ++k) line.push_back({length * dx * k / n, length * dy * k / n});
    return line;
}

double part_length(const std::vector<DevicePoint>& part) {
    double s = 0;
    for (std::size_t k = 1; k < part.size(); ++k)
        s += std::hypot(part[k].x - part[k - 1].x, part[k].y - part[k - 1].y);
    return s;
}

TEST(ContourLabels, ALongLineGetsLabelsWithGapsOfTheirWidth) {
    LabelledLine l = place_labels(straight(1000, 1, 0), 40, 5, 400);
    ASSERT_EQ(l.labels.size(), 2u);
    EXPECT_NEAR(l.labels[0].at.x, 250, 1e-9);
    EXPECT_NEAR(l.labels[1].at.x, 750, 1e-9);
    EXPECT_NEAR(l.labels[0].angle, 0, 1e-12);
    ASSERT_EQ(l.parts.size(), 3u);
    double drawn = 0;
    for (const auto& part : l.parts) drawn += part_length(part);
    EXPECT_NEAR(drawn, 1000 - 2 * 50, 1e-6);
    EXPECT_NEAR(l.parts[0].back().x, 225, 1e-9);
    EXPECT_NEAR(l.parts[1].front().x, 275, 1e-9);
}

TEST(ContourLabels, LabelsStayReadableWhateverTheLineDirection) {
    // Running right to left and upward on the screen (y downward): the text still reads
    // left to right, turned 45 degrees counterclockwise.
    LabelledLine l = place_labels(straight(500, -1, 1), 40, 5, 400);
    ASSERT_EQ(l.labels.size(), 1u);
    EXPECT_NEAR(l.labels[0].angle, std::numbers::pi / 4, 1e-9);
    LabelledLine up = place_labels(straight(500, 0, -1), 40, 5, 400);
    EXPECT_NEAR(up.labels[0].angle, std::numbers::pi / 2, 1e-9);
}

TEST(ContourLabels, ShortLinesStayWhole) {
    std::vector<DevicePoint> line = straight(120, 1, 0);
    LabelledLine l = place_labels(line, 40, 5, 400);
    EXPECT_TRUE(l.labels.empty());
    ASSERT_EQ(l.parts.size(), 1u);
    EXPECT_EQ(l.parts[0].size(), line.size());
    EXPECT_TRUE(place_labels({{0, 0}}, 10, 1, 100).labels.empty());
}

}  // namespace
}  // namespace lumora::plot
