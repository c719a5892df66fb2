// The region at or above a level, as pieces and as one bridged outline.
#include <gtest/gtest.h>

#include <cmath>

#include "client/plot/contour_fill.h"

namespace lumora::plot {
namespace {

double signed_area(const std::vector<GridPoint>& ring) {
    double a = 0;
    for (std::size_t k = 0; k < ring.size(); ++k) {
        const GridPoint &p = ring[k], &q = ring[(k + 1) % ring.size()];
        a += p.i * q.j - q.i * p.j;
    }
    return a / 2;
}

Grid ramp(int nx, int ny) {
    Grid g;
    g.nx = nx;
    g.ny = ny;
    for (int j = 0; j < ny; ++j)
        for (int i = 0; i < nx; ++i) g.z.push_back(i);
    return g;
}

TEST(ContourFill, APlaneRegionHasTheAreaBeyondItsLine) {
    Grid g = ramp(11, 6);  // z = i over 10 x 5 cells
    std::vector<std::vector<GridPoint>> pieces = region_pieces(g, 3.25);
    double total = 0;
    for (const auto& piece : pieces) total += signed_area(piece);
    EXPECT_NEAR(total, (10 - 3.25) * 5, 1e-9);
    // Whole cells of a row are merged: one rectangle per row plus the cut cells.
    EXPECT_EQ(pieces.size(), 10u);
    // Bridges cancel: the outline encloses the same area.
    EXPECT_NEAR(signed_area(bridged_outline(pieces)), total, 1e-9);
    EXPECT_TRUE(region_pieces(g, 11).empty());
    EXPECT_NEAR(signed_area(bridged_outline(region_pieces(g, -INFINITY))), 50, 1e-9);
}

TEST(ContourFill, NanCellsStayOutOfEveryRegion) {
    Grid g = ramp(11, 6);
    g.z[2 * 11 + 5] = std::nan("");  // value (5, 2): four cells around it
    double total = 0;
    for (const auto& piece : region_pieces(g, -INFINITY)) total += signed_area(piece);
    EXPECT_NEAR(total, 50 - 4, 1e-9);
}

TEST(ContourFill, BridgedOutlineVisitsEveryPieceAndReturns) {
    std::vector<std::vector<GridPoint>> pieces = {{{0, 0}, {1, 0}, {1, 1}},
                                                  {{5, 5}, {6, 5}, {6, 6}, {5, 6}}};
    std::vector<GridPoint> outline = bridged_outline(pieces);
    ASSERT_EQ(outline.size(), 3u + 1 + 4 + 1 + 1);
    EXPECT_DOUBLE_EQ(outline.back().i, 0);  // back at the first piece's start
    EXPECT_NEAR(signed_area(outline), 0.5 + 1, 1e-12);
    EXPECT_TRUE(bridged_outline({}).empty());
}

}  // namespace
}  // namespace lumora::plot
