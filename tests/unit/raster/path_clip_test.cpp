// Cutting lines to the part of the page they can reach.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "server/render/raster/path_clip.h"

namespace luwnd::render::raster {
namespace {

const Box kBox{0, 0, 100, 100};

struct Piece {
    std::vector<Point> points;
    bool closed;
};

std::vector<Piece> pieces_of(const std::vector<Point>& points, bool closed,
                             std::size_t max_points = 1000) {
    std::vector<Piece> out;
    visible_pieces(points, closed, kBox, max_points, [&](std::span<const Point> p, bool c) {
        out.push_back({{p.begin(), p.end()}, c});
    });
    return out;
}

TEST(PathClip, SegmentsAreCutAtTheBox) {
    double t0 = 0, t1 = 0;
    ASSERT_TRUE(clip_segment({-100, 50}, {300, 50}, kBox, t0, t1));
    EXPECT_DOUBLE_EQ(t0, 0.25);
    EXPECT_DOUBLE_EQ(t1, 0.5);
    EXPECT_FALSE(clip_segment({-100, 150}, {300, 150}, kBox, t0, t1));
    EXPECT_FALSE(clip_segment({200, -10}, {110, 300}, kBox, t0, t1));
    ASSERT_TRUE(clip_segment({50, 50}, {50, 50}, kBox, t0, t1));
    EXPECT_FALSE(clip_segment({std::numeric_limits<double>::infinity(), 5}, {5, 5}, kBox, t0, t1));
}

TEST(PathClip, ALineLeavingAndComingBackFallsIntoRuns) {
    const auto pieces =
        pieces_of({{10, 10}, {50, 10}, {50, -1e12}, {60, -1e12}, {60, 10}, {90, 10}}, false);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].points.size(), 3u);
    EXPECT_EQ(pieces[0].points.back(), (Point{50, 0}));
    EXPECT_EQ(pieces[1].points.front(), (Point{60, 0}));
    EXPECT_EQ(pieces[1].points.back(), (Point{90, 10}));
}

TEST(PathClip, PointsThatAreNotFiniteSplitTheLine) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const auto pieces = pieces_of({{10, 10}, {20, 10}, {nan, nan}, {30, 10}, {40, 10}}, false);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0].points, (std::vector<Point>{{10, 10}, {20, 10}}));
    EXPECT_EQ(pieces[1].points, (std::vector<Point>{{30, 10}, {40, 10}}));
}

TEST(PathClip, LongRunsComeInPiecesThatShareTheirEnds) {
    std::vector<Point> line;
    for (int i = 0; i < 25; ++i) line.push_back({double(i), 50});
    const auto pieces = pieces_of(line, false, 10);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].points.size(), 10u);
    EXPECT_EQ(pieces[1].points.front(), pieces[0].points.back());
    EXPECT_EQ(pieces[2].points.back(), line.back());
}

TEST(PathClip, AClosedFigureInTheBoxStaysClosedAndOneAcrossItOpens) {
    const auto inside = pieces_of({{10, 10}, {90, 10}, {50, 90}}, true);
    ASSERT_EQ(inside.size(), 1u);
    EXPECT_TRUE(inside[0].closed);
    const auto across = pieces_of({{10, 10}, {190, 10}, {50, 90}}, true);
    ASSERT_FALSE(across.empty());
    for (const Piece& p : across) EXPECT_FALSE(p.closed);
    const auto dot = pieces_of({{40, 40}}, false);
    ASSERT_EQ(dot.size(), 1u);
    EXPECT_TRUE(pieces_of({{400, 40}}, false).empty());
}

}  // namespace
}  // namespace luwnd::render::raster
