#include "contour_lines.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <unordered_map>

namespace lumora::plot {
namespace {

// The four corners of a cell counterclockwise from its lower left, and the edge after
// each: 0 bottom (corner 0 to 1), 1 right, 2 top, 3 left.
constexpr int kCornerI[4] = {0, 1, 1, 0};
constexpr int kCornerJ[4] = {0, 0, 1, 1};

struct Cell {
    int i, j;
    std::array<double, 4> v;
    bool valid;
};

Cell cell_at(const Grid& grid, int i, int j) {
    Cell c{i, j, {}, true};
    for (int k = 0; k < 4; ++k) {
        c.v[k] = grid.at(i + kCornerI[k], j + kCornerJ[k]);
        if (std::isnan(c.v[k])) c.valid = false;
    }
    return c;
}

// Where the level crosses edge e of the cell (its ends on either side of it).
GridPoint crossing(const Cell& c, int e, double level) {
    int a = e, b = (e + 1) % 4;
    double t = (level - c.v[a]) / (c.v[b] - c.v[a]);
    return {c.i + kCornerI[a] + t * (kCornerI[b] - kCornerI[a]),
            c.j + kCornerJ[a] + t * (kCornerJ[b] - kCornerJ[a])};
}

// A number for each edge of the grid, the same from both cells that share it.
std::int64_t edge_id(const Cell& c, int e, int nx) {
    auto horizontal = [&](int i, int j) { return 2 * (std::int64_t{j} * nx + i); };
    auto vertical = [&](int i, int j) { return 2 * (std::int64_t{j} * nx + i) + 1; };
    switch (e) {
        case 0:
            return horizontal(c.i, c.j);
        case 1:
            return vertical(c.i + 1, c.j);
        case 2:
            return horizontal(c.i, c.j + 1);
        default:
            return vertical(c.i, c.j);
    }
}

int above_bits(const Cell& c, double level) {
    int bits = 0;
    for (int k = 0; k < 4; ++k)
        if (c.v[k] >= level) bits |= 1 << k;
    return bits;
}

bool crossed(int bits, int e) {
    return ((bits >> e) & 1) != ((bits >> ((e + 1) % 4)) & 1);
}

// Whether a saddle's corners above the level are joined through the cell.
bool joins_above(const Cell& c, double level) {
    return (c.v[0] + c.v[1] + c.v[2] + c.v[3]) / 4 >= level;
}

// The pairs of crossed edges that segments join in the cell.
std::vector<std::array<int, 2>> cell_segments(const Cell& c, double level) {
    int bits = above_bits(c, level);
    std::array<int, 4> edges{};
    int count = 0;
    for (int e = 0; e < 4; ++e)
        if (crossed(bits, e)) edges[static_cast<std::size_t>(count++)] = e;
    if (count == 2) return {{edges[0], edges[1]}};
    if (count != 4) return {};
    // Corners 0 and 2 on one side, 1 and 3 on the other: cut off the pair that is not
    // joined. Corner k lies between edges k - 1 and k.
    bool even_above = (bits & 1) != 0;
    bool cut_even = joins_above(c, level) != even_above;
    if (cut_even) return {{3, 0}, {1, 2}};
    return {{0, 1}, {2, 3}};
}

struct Segment {
    std::int64_t ends[2];
    bool used = false;
};

// Joins the segments into lines through their shared edges.
std::vector<ContourLine> join(std::vector<Segment>& segments,
                              const std::unordered_map<std::int64_t, GridPoint>& points) {
    std::unordered_map<std::int64_t, std::array<int, 2>> at_edge;
    for (int s = 0; s < static_cast<int>(segments.size()); ++s) {
        for (std::int64_t id : segments[s].ends) {
            auto [it, fresh] = at_edge.try_emplace(id, std::array<int, 2>{-1, -1});
            it->second[it->second[0] < 0 ? 0 : 1] = s;
        }
    }
    auto other = [&](std::int64_t id, int s) {
        const auto& pair = at_edge.at(id);
        return pair[0] == s ? pair[1] : pair[0];
    };
    auto trace = [&](int first, std::int64_t start) {
        ContourLine line;
        line.points.push_back(points.at(start));
        std::int64_t at = start;
        for (int s = first; s >= 0 && !segments[s].used;) {
            segments[s].used = true;
            at = segments[s].ends[0] == at ? segments[s].ends[1] : segments[s].ends[0];
            line.points.push_back(points.at(at));
            s = other(at, s);
        }
        line.closed = at == start && line.points.size() > 2;
        return line;
    };
    std::vector<ContourLine> lines;
    // Open lines first, from an end that only one segment reaches.
    for (auto& [id, pair] : at_edge)
        if (pair[1] < 0 && !segments[pair[0]].used) lines.push_back(trace(pair[0], id));
    for (int s = 0; s < static_cast<int>(segments.size()); ++s)
        if (!segments[s].used) lines.push_back(trace(s, segments[s].ends[0]));
    return lines;
}

}  // namespace

CellRanges cell_ranges(const Grid& grid) {
    CellRanges cells;
    const std::size_t count = static_cast<std::size_t>(std::max(grid.nx - 1, 0)) *
                              static_cast<std::size_t>(std::max(grid.ny - 1, 0));
    cells.low.reserve(count);
    cells.high.reserve(count);
    for (int j = 0; j + 1 < grid.ny; ++j) {
        for (int i = 0; i + 1 < grid.nx; ++i) {
            const Cell c = cell_at(grid, i, j);
            const double nan = std::numeric_limits<double>::quiet_NaN();
            cells.low.push_back(c.valid ? *std::min_element(c.v.begin(), c.v.end()) : nan);
            cells.high.push_back(c.valid ? *std::max_element(c.v.begin(), c.v.end()) : nan);
        }
    }
    return cells;
}

std::vector<ContourLine> contour_lines(const Grid& grid, const CellRanges& cells, double level) {
    std::vector<Segment> segments;
    std::unordered_map<std::int64_t, GridPoint> points;
    if (!std::isfinite(level)) return {};
    std::size_t k = 0;
    for (int j = 0; j + 1 < grid.ny; ++j) {
        for (int i = 0; i + 1 < grid.nx; ++i, ++k) {
            // Crossed: a corner below the level and one at or above it (NaN fails).
            if (!(cells.low[k] < level && cells.high[k] >= level)) continue;
            const Cell c = cell_at(grid, i, j);
            for (const auto& pair : cell_segments(c, level)) {
                Segment s{{edge_id(c, pair[0], grid.nx), edge_id(c, pair[1], grid.nx)}};
                for (int e = 0; e < 2; ++e)
                    points.try_emplace(s.ends[e], crossing(c, pair[e], level));
                segments.push_back(s);
            }
        }
    }
    return join(segments, points);
}

std::vector<ContourLine> contour_lines(const Grid& grid, double level) {
    return contour_lines(grid, cell_ranges(grid), level);
}

std::vector<std::vector<GridPoint>> cell_above(const Grid& grid, int i, int j, double level) {
    Cell c = cell_at(grid, i, j);
    if (!c.valid) return {};
    int bits = above_bits(c, level);
    auto corner = [&](int k) {
        return GridPoint{double(i + kCornerI[k]), double(j + kCornerJ[k])};
    };
    if (bits == 0) return {};
    bool saddle = bits == 5 || bits == 10;
    if (saddle && !joins_above(c, level)) {
        // Two corners above, each cut off by the two edges beside it.
        std::vector<std::vector<GridPoint>> parts;
        for (int k = 0; k < 4; ++k)
            if ((bits >> k) & 1)
                parts.push_back(
                    {crossing(c, (k + 3) % 4, level), corner(k), crossing(c, k, level)});
        return parts;
    }
    std::vector<GridPoint> polygon;
    for (int k = 0; k < 4; ++k) {
        if ((bits >> k) & 1) polygon.push_back(corner(k));
        if (crossed(bits, k)) polygon.push_back(crossing(c, k, level));
    }
    return {polygon};
}

}  // namespace lumora::plot
