#include "coverage_raster.h"

#include <algorithm>
#include <cmath>

#include "coverage_band.h"

namespace luwnd::render::raster {
namespace {

// Rows swept together: a band of the widest box stays within a few megabytes.
constexpr int kBandRows = 16;

PixelBox bounded(PixelBox box) {
    box.right = std::clamp(box.right, box.left, box.left + CoverageRaster::kMaxSide);
    box.bottom = std::clamp(box.bottom, box.top, box.top + CoverageRaster::kMaxSide);
    return box;
}

}  // namespace

CoverageRaster::CoverageRaster(PixelBox box) : box_(bounded(box)) {}

void CoverageRaster::clear() {
    edges_.clear();
    overflowed_ = false;
}

void CoverageRaster::add_polygon(std::span<const Point> points) {
    for (std::size_t i = 0; i < points.size(); ++i)
        add_line(points[i], points[(i + 1) % points.size()]);
}

void CoverageRaster::add_line(Point from, Point to) {
    if (std::isnan(from.x) || std::isnan(from.y) || std::isnan(to.x) || std::isnan(to.y)) return;
    // Beyond this the edge's place in the box cannot matter; the arithmetic stays finite.
    constexpr double kFar = 1e12;
    double x0 = std::clamp(from.x, -kFar, kFar) - box_.left;
    double y0 = std::clamp(from.y, -kFar, kFar) - box_.top;
    double x1 = std::clamp(to.x, -kFar, kFar) - box_.left;
    double y1 = std::clamp(to.y, -kFar, kFar) - box_.top;
    if (y0 == y1) return;  // a level edge changes no winding
    int winding = 1;
    if (y0 > y1) {
        std::swap(x0, x1);
        std::swap(y0, y1);
        winding = -1;
    }
    const double height = box_.bottom - box_.top;
    if (y1 <= 0 || y0 >= height) return;
    // Only the rows of the box.
    const double top = std::max(y0, 0.0), bottom = std::min(y1, height);
    const double x_top = x0 + (x1 - x0) * ((top - y0) / (y1 - y0));
    const double x_bottom = x0 + (x1 - x0) * ((bottom - y0) / (y1 - y0));
    add_clipped(x_top, top, x_bottom, bottom, winding);
}

// Splits the edge where it leaves the columns of the box: a part left of the box still
// sets the winding of the whole row, so it runs down the left side; a part right of it
// covers nothing in the box.
void CoverageRaster::add_clipped(double x0, double y0, double x1, double y1, int winding) {
    const double width = box_.right - box_.left;
    double cuts[4] = {0, 0, 0, 1};  // fractions of the edge, top to bottom
    int n = 1;
    for (double at : {0.0, width}) {
        const double t = (at - x0) / (x1 - x0);
        if (x0 != x1 && t > 0 && t < 1) cuts[n++] = t;
    }
    if (n == 3 && cuts[1] > cuts[2]) std::swap(cuts[1], cuts[2]);
    cuts[n] = 1;
    for (int i = 0; i < n; ++i) {
        const double ya = y0 + (y1 - y0) * cuts[i], yb = y0 + (y1 - y0) * cuts[i + 1];
        const double xa = x0 + (x1 - x0) * cuts[i], xb = x0 + (x1 - x0) * cuts[i + 1];
        const double middle = (xa + xb) / 2;
        if (middle >= width) continue;
        if (middle <= 0)
            store(0, ya, 0, yb, winding);
        else
            store(std::clamp(xa, 0.0, width), ya, std::clamp(xb, 0.0, width), yb, winding);
    }
}

void CoverageRaster::store(double x0, double y0, double x1, double y1, int winding) {
    if (!(y0 < y1)) return;
    if (edges_.size() >= kMaxEdges) {
        overflowed_ = true;
        return;
    }
    edges_.push_back({static_cast<float>(x0), static_cast<float>(y0), static_cast<float>(x1),
                      static_cast<float>(y1), winding});
}

void CoverageRaster::sweep(FillRule rule, const RowSink& row) {
    if (overflowed_ || edges_.empty() || box_.empty()) return;
    std::sort(edges_.begin(), edges_.end(),
              [](const Edge& a, const Edge& b) { return a.y_top < b.y_top; });
    const int height = box_.bottom - box_.top;
    CoverageBand band(box_.right - box_.left, kBandRows);
    std::vector<const Edge*> active;
    std::size_t next = 0;
    for (int top = 0; top < height && (next < edges_.size() || !active.empty()); top += kBandRows) {
        if (active.empty())  // straight on to the band of the next edge
            top = std::max(top, static_cast<int>(edges_[next].y_top) / kBandRows * kBandRows);
        const double bottom = top + kBandRows;
        while (next < edges_.size() && edges_[next].y_top < bottom)
            active.push_back(&edges_[next++]);
        std::erase_if(active, [top](const Edge* e) { return double(e->y_bottom) <= top; });
        for (const Edge* e : active)
            band.add(e->x_top, double(e->y_top) - top, e->x_bottom, double(e->y_bottom) - top,
                     e->winding);
        band.resolve(rule, box_.top + top, box_.left, row);
    }
}

}  // namespace luwnd::render::raster
