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

TEST(ContourLabels, LabelsOfNeighbouringLinesKeepClearOfEachOther) {
    // Five parallel lines 8 pixels apart, labels 12 high: side by side they would overlap.
    TakenPlaces taken;
    taken.height = 12;
    std::vector<LabelBox> all;
    std::size_t labels = 0;
    for (int k = 0; k < 5; ++k) {
        taken.origin = {0, 8.0 * k};
        const std::size_t before = taken.boxes.size();
        const LabelledLine l = place_labels(straight(1000, 1, 0), 40, 5, 400, &taken);
        EXPECT_EQ(l.labels.size(), taken.boxes.size() - before) << "line " << k;
        labels += l.labels.size();
        // The gaps stay where the labels are: each cut is the label's width and gaps.
        double drawn = 0;
        for (const auto& part : l.parts) drawn += part_length(part);
        EXPECT_NEAR(drawn, 1000 - 50.0 * static_cast<double>(l.labels.size()), 1e-6);
    }
    EXPECT_GE(labels, 7u) << "most labels find a place of their own";
    for (std::size_t i = 0; i < taken.boxes.size(); ++i)
        for (std::size_t j = i + 1; j < taken.boxes.size(); ++j) {
            const LabelBox& a = taken.boxes[i];
            const LabelBox& b = taken.boxes[j];
            EXPECT_FALSE(a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1)
                << "labels " << i << " and " << j << " overlap";
        }
    // Without places taken the labels stand in the middle of their shares, as before.
    const LabelledLine alone = place_labels(straight(1000, 1, 0), 40, 5, 400);
    EXPECT_NEAR(alone.labels[0].at.x, 250, 1e-9);
}

}  // namespace
}  // namespace lumora::plot
