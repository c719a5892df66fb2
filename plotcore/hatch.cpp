#include "hatch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "batch_format.h"

namespace lumora::plotcore {
namespace {

// An edge seen across the lines: v across them (the lines are v = k * spacing), u along.
struct Edge {
    double v0, v1;  // v0 < v1
    double u0, du;  // u at v0, and its change per unit of v
    int winding;    // +1 where v grows along the polygon, -1 where it falls
};

struct Crossing {
    double u;
    int winding;
};

// Spans shorter than this (pixels) are none: where edges meet, or a polygon without area.
constexpr double kShortest = 1e-3;

// The spans of one line where the polygon covers it, as (from, to) along it; spans that
// touch are one.
void spans_of(std::vector<Crossing>& crossings, bool nonzero, std::vector<double>& out) {
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& a, const Crossing& b) { return a.u < b.u; });
    int inside = 0;
    double from = 0;
    for (const Crossing& c : crossings) {
        const bool was = nonzero ? inside != 0 : inside % 2 != 0;
        inside += nonzero ? c.winding : 1;
        const bool is = nonzero ? inside != 0 : inside % 2 != 0;
        if (!was && is) {
            // Going on where the last span ended (edges that meet there, such as a bridge
            // to a hole and back), it goes on.
            const bool joins = !out.empty() && c.u - out.back() < kShortest;
            from = joins ? out[out.size() - 2] : c.u;
            if (joins) out.resize(out.size() - 2);
        }
        if (was && !is && c.u - from >= kShortest) {
            out.push_back(from);
            out.push_back(c.u);
        }
    }
}

// The spacing that puts at most kMaxHatchLines lines across an extent: the given one, or
// its smallest whole multiple that does (a spacing too small even for that, the extent's
// share).
double bounded_spacing(double spacing, double extent) {
    constexpr auto kMost = double(kMaxHatchLines - 2);
    const double least = extent / kMost;
    if (spacing >= least) return spacing;
    const double times = std::ceil(least / spacing);
    return std::isfinite(times) ? spacing * times : least;
}

// One set of lines across the polygon, appended to out while it holds fewer than
// kMaxHatchSegments segments.
void hatch_set(const std::vector<PointF>& polygon, bool nonzero, const HatchLines& set,
               std::vector<PointF>& out) {
    // Along the line (cos, -sin on a page whose y runs down), and across it.
    const double a = set.angle;
    const double dx = std::cos(a), dy = -std::sin(a), nx = std::sin(a), ny = std::cos(a);
    std::vector<Edge> edges;
    edges.reserve(polygon.size());
    double lo = INFINITY, hi = -INFINITY;
    for (std::size_t i = 0; i < polygon.size(); ++i) {
        const PointF p = polygon[i], q = polygon[(i + 1) % polygon.size()];
        const double pu = dx * p.x + dy * p.y, pv = nx * p.x + ny * p.y;
        const double qu = dx * q.x + dy * q.y, qv = nx * q.x + ny * q.y;
        lo = std::min(lo, pv);
        hi = std::max(hi, pv);
        if (pv == qv) continue;  // along the lines: crosses none
        Edge e = pv < qv ? Edge{pv, qv, pu, 0, 1} : Edge{qv, pv, qu, 0, -1};
        e.du = (pv < qv ? qu - pu : pu - qu) / (e.v1 - e.v0);
        edges.push_back(e);
    }
    const double spacing = bounded_spacing(set.spacing, hi - lo);
    std::sort(edges.begin(), edges.end(), [](const Edge& x, const Edge& y) { return x.v0 < y.v0; });
    std::vector<const Edge*> active;
    std::vector<Crossing> crossings;
    std::vector<double> spans;
    std::size_t next = 0;
    for (double k = std::ceil(lo / spacing); k * spacing <= hi; ++k) {
        const double v = k * spacing;
        // Each edge covers v0 <= v < v1: a line through a corner crosses it once.
        while (next < edges.size() && edges[next].v0 <= v) active.push_back(&edges[next++]);
        std::erase_if(active, [v](const Edge* e) { return e->v1 <= v; });
        crossings.clear();
        for (const Edge* e : active) crossings.push_back({e->u0 + (v - e->v0) * e->du, e->winding});
        spans.clear();
        spans_of(crossings, nonzero, spans);
        for (std::size_t i = 0; i + 1 < spans.size(); i += 2) {
            if (out.size() >= 2 * kMaxHatchSegments) return;
            for (double u : {spans[i], spans[i + 1]})
                out.push_back({float(u * dx + v * nx), float(u * dy + v * ny)});
        }
    }
}

}  // namespace

Hatch hatch_pattern(int pattern, float spacing) {
    constexpr float kDegree = std::numbers::pi_v<float> / 180;
    auto lines = [&](std::initializer_list<float> degrees) {
        Hatch h;
        for (float d : degrees) h.push_back({d * kDegree, spacing});
        return h;
    };
    switch (pattern) {
        case 1:
            return lines({0});
        case 2:
            return lines({90});
        case 3:
            return lines({45});
        case 4:
            return lines({-45});
        case 5:
            return lines({30});
        case 6:
            return lines({-30});
        case 7:
            return lines({0, 90});
        case 8:
            return lines({45, -45});
        default:
            return {};
    }
}

Hatch scaled_hatch(const Hatch& hatch, double resolution) {
    Hatch out = hatch;
    for (HatchLines& set : out) {
        set.spacing = static_cast<float>(
            std::clamp(set.spacing * resolution, double{kMinHatchSpacing}, double{kMaxCoordinate}));
    }
    return out;
}

std::vector<PointF> hatch_segments(const std::vector<PointF>& polygon, bool nonzero,
                                   const Hatch& hatch) {
    std::vector<PointF> out;
    if (polygon.size() < 3) return out;
    for (PointF p : polygon)
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return out;
    for (const HatchLines& set : hatch) {
        if (!(set.spacing > 0) || !std::isfinite(set.spacing) || !std::isfinite(set.angle))
            continue;
        hatch_set(polygon, nonzero, set, out);
    }
    return out;
}

}  // namespace lumora::plotcore
