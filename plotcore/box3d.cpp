#include "box3d.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "marked_text.h"
#include "number_format.h"

namespace lumora::plotcore {
namespace {

constexpr double kMajorTick = 0.5, kMinorTick = 0.25;  // in text heights, as a 2-D box's
constexpr double kNumberGap = 0.3, kLabelGap = 0.4;
// Beyond this share of a unit direction across, a number stands to that side of its
// anchor (else centred on it).
constexpr double kSideways = 0.35;

struct Vec {
    double x = 0, y = 0;
};

Vec operator+(Vec a, Vec b) {
    return {a.x + b.x, a.y + b.y};
}
Vec operator*(double s, Vec a) {
    return {s * a.x, s * a.y};
}

Vec unit(Vec v) {
    const double length = std::hypot(v.x, v.y);
    return length > 0 ? Vec{v.x / length, v.y / length} : Vec{};
}

// An axis along one edge of the box as it stands on the page.
struct PageEdge {
    Vec start;                     // page point of the axis's first world end
    Vec per_unit;                  // page pixels per world unit along the axis
    double first = 0, second = 1;  // the axis's world ends
    Vec in;                        // unit page direction of the ticks, into the box
    Vec at(double v) const { return start + (v - first) * per_unit; }
    double length() const { return std::fabs(second - first) * std::hypot(per_unit.x, per_unit.y); }
    Vec along() const { return unit(per_unit); }
};

Vec on_page(const Frame& f, const View3d& v, const Point3& w) {
    const Point2 p = v.project(w);
    return {f.px(p.x), f.py(p.y)};
}

// The edge of axis `axis` through corner c (its own index is set to each end in turn); its
// ticks point along `in`, a page direction into the box.
PageEdge edge(const Frame& f, const View3d& v, int axis, Corner c, Vec in) {
    PageEdge e;
    e.first = v.end(axis, 0);
    e.second = v.end(axis, 1);
    int* index[3] = {&c.i, &c.j, &c.k};
    *index[axis] = 0;
    e.start = on_page(f, v, v.corner(c));
    *index[axis] = 1;
    const Vec end = on_page(f, v, v.corner(c));
    e.per_unit = (1 / (e.second - e.first)) * Vec{end.x - e.start.x, end.y - e.start.y};
    e.in = unit(in);
    return e;
}

// The ticks of the axis along the edge; its numbers in the format (empty: as chosen).
Ticks edge_ticks(LayoutCanvas& c, const PageEdge& e, const AxisOptions& o, double h,
                 const std::string& format) {
    const double lo = std::min(e.first, e.second), hi = std::max(e.first, e.second);
    const Vec a = e.along();
    // How far a horizontal number reaches along the edge.
    const Measure along = [&](const Ticks& t, std::size_t i) {
        return std::fabs(a.x) * tick_label_width(c, t, i, h) +
               std::fabs(a.y) * h * (t.powers ? 1.3 : 1.0);
    };
    Relabel relabel;
    if (!format.empty()) relabel = [&](Ticks& t) { format_tick_labels(t, format, o.log); };
    // An edge seen end on has no room for ticks.
    if (e.length() < 1) return {};
    if (o.log)
        return fit_log_ticks(lo, hi, e.length(), h * 0.5, static_cast<int>(std::min(o.step, 1e3)),
                             along, o.fixed, relabel);
    return fit_linear_ticks(lo, hi, e.length(), h * 0.5, o.step, o.subdivisions, along, relabel);
}

void draw_ticks(LayoutCanvas& c, const PageEdge& e, const AxisOptions& o, const Ticks& t,
                double h) {
    const double in = o.outward ? -1 : 1;
    auto marks = [&](const std::vector<double>& at, double length) {
        for (double v : at) {
            const Vec p = e.at(v), q = p + (in * length) * e.in;
            c.draw_line(p.x, p.y, q.x, q.y);
        }
    };
    if (o.ticks) marks(t.major, kMajorTick * h);
    if (o.subticks) marks(t.minor, kMinorTick * h);
}

// Where a text of width w stands from its anchor when it lies outward of it: its left end
// and baseline.
Vec placed(Vec anchor, Vec out, double w, double h) {
    const double left = out.x > kSideways ? 0 : out.x < -kSideways ? w : w / 2;
    const double down = out.y < -kSideways ? 0.8 * h : out.y > kSideways ? -0.2 * h : 0.35 * h;
    return {anchor.x - left, anchor.y - down};
}

void draw_number(LayoutCanvas& c, const Ticks& t, std::size_t i, Vec at, double h, int colour) {
    if (t.powers) {
        draw_power(c, at.x, at.y, {t.labels[i], h}, colour);
        return;
    }
    c.set_text(h, 0, kLeftBase, colour);
    c.draw_text(at.x, at.y, t.labels[i]);
}

// Where numbers already stand, so that a later axis leaves out a number that would run
// into one (the z axis's lowest one where a base axis ends at its corner).
struct Taken {
    std::vector<Rect> boxes;
    bool clear(const Rect& r) const {
        return std::none_of(boxes.begin(), boxes.end(), [&](const Rect& b) {
            return r.x0 < b.x1 && b.x0 < r.x1 && r.y0 < b.y1 && b.y0 < r.y1;
        });
    }
};

// The numbers outward of the edge, starting `from` pixels off it, but those that would
// run into one taken; how far they reach beyond that.
double draw_numbers(LayoutCanvas& c, const PageEdge& e, const Ticks& t, double from, double h,
                    int colour, Taken& taken) {
    const Vec out = -1.0 * e.in;
    double reach = 0;
    std::vector<Rect> drawn;
    for (std::size_t i = 0; i < t.major.size(); ++i) {
        const double w = tick_label_width(c, t, i, h);
        const Vec at = placed(e.at(t.major[i]) + from * out, out, w, h);
        const Rect box{at.x, at.y - 0.25 * h, at.x + w, at.y + (t.powers ? 1.2 : 0.8) * h};
        if (!taken.clear(box)) continue;
        reach = std::max(reach, std::fabs(out.x) * w + std::fabs(out.y) * h);
        draw_number(c, t, i, at, h, colour);
        drawn.push_back(box);
    }
    taken.boxes.insert(taken.boxes.end(), drawn.begin(), drawn.end());
    if (t.exponent != 0) {
        const PowerText p = tick_exponent_label(t, h);
        const Vec far = e.at(std::max(e.first, e.second)) + (from + reach + 0.2 * h) * out;
        const Vec at = placed(far, out, power_width(c, p), h);
        draw_power(c, at.x, at.y, p, colour);
        reach += 1.3 * h;
    }
    return reach;
}

// How a text along the edge reads: left to right (or upwards) along a, on the outward side
// of its baseline or under it (align's row), reversed when that runs against the edge.
struct Reading {
    Vec a, out;
    int row = 0;  // 0 top, 2 bottom, as Align counts rows
    bool reversed = false;
};

Reading reading(const PageEdge& e) {
    Reading r;
    r.a = e.along();
    r.reversed = r.a.x < -1e-9 || (std::fabs(r.a.x) <= 1e-9 && r.a.y < 0);
    if (r.reversed) r.a = -1.0 * r.a;
    r.out = -1.0 * e.in;
    const Vec up{-r.a.y, r.a.x};
    r.row = r.out.x * up.x + r.out.y * up.y < 0 ? 0 : 2;
    return r;
}

double turns_of(Vec a) {
    return std::atan2(a.y, a.x) / (2 * std::numbers::pi);
}

// The label along the edge, `from` pixels outward of its middle.
void draw_label(LayoutCanvas& c, const PageEdge& e, const std::string& text, double from, double h,
                int colour) {
    if (text.empty()) return;
    const Reading r = reading(e);
    const Vec at = e.at((e.first + e.second) / 2) + from * r.out;
    draw_marked_text(c, at.x, at.y, text, {h, turns_of(r.a), kCentreTop + 3 * r.row, colour});
}

// A text along the edge, `from` pixels outward of it: its anchor `position` of the way along
// the edge as it is read (0 its left or lower end), `justification` of the way along the
// text (0 its start, 1 its end).
void draw_along(LayoutCanvas& c, const PageEdge& e, const std::string& text, double from,
                double position, double justification, double h, int colour) {
    if (text.empty()) return;
    const Reading r = reading(e);
    const double start = r.reversed ? e.second : e.first, end = r.reversed ? e.first : e.second;
    const double shift = justification * marked_text_size(c, text, h).width;
    const Vec at = e.at(start + position * (end - start)) + from * r.out + -shift * r.a;
    draw_marked_text(c, at.x, at.y, text, {h, turns_of(r.a), kLeftTop + 3 * r.row, colour});
}

// One axis on its edge: the edge line (draw_edge), ticks, numbers and label.
void draw_axis(LayoutCanvas& c, const Frame& f, const PageEdge& e, const AxisOptions& o,
               bool draw_edge, bool numbers, const std::string& label, Taken& taken,
               const std::string& format = {}) {
    const double h = f.text_height;
    const FrameStyle& style = f.setup.style;
    const Ticks t = edge_ticks(c, e, o, h, format);
    c.set_pen(style.box, 0, 1);
    if (draw_edge) {
        const Vec a = e.at(e.first), b = e.at(e.second);
        c.draw_line(a.x, a.y, b.x, b.y);
        draw_ticks(c, e, o, t, h);
    }
    const double from = (o.outward && o.ticks ? kMajorTick * h : 0) + kNumberGap * h;
    const double reach = numbers ? draw_numbers(c, e, t, from, h, style.numbers, taken) : 0;
    draw_label(c, e, label, from + reach + (numbers ? kLabelGap * h : 0), h, style.labels);
}

Corner with_k(Corner c, int k) {
    c.k = k;
    return c;
}

// Lines at the z axis's major ticks round the two back walls, and the corner between them.
void draw_back_grid(LayoutCanvas& c, const Frame& f, const View3d& v, const BaseCorners& b,
                    const Ticks& t) {
    const FrameStyle& style = f.setup.style;
    c.set_pen(style.grid, style.grid_line, 1);
    for (double z : t.major) {
        std::vector<float> line;
        for (const Corner& corner : {b.left, b.back, b.right}) {
            const Point3 w = v.corner(corner);
            const Vec p = on_page(f, v, {w.x, w.y, z});
            line.push_back(static_cast<float>(p.x));
            line.push_back(static_cast<float>(p.y));
        }
        c.draw_polyline(line);
    }
    const Vec low = on_page(f, v, v.corner(with_k(b.back, 0)));
    const Vec high = on_page(f, v, v.corner(with_k(b.back, 1)));
    c.draw_line(low.x, low.y, high.x, high.y);
}

// The edge of an axis: x and y on the base, through the front corner (primary) or the
// back one; z over the base's leftmost corner (primary) or its rightmost. The ticks of a
// base edge run across the base, towards the opposite edge.
PageEdge box_edge(const Frame& f, const View3d& v, const BaseCorners& b, int axis, bool secondary) {
    if (axis == 2)
        return secondary ? edge(f, v, 2, b.right, {-1, 0}) : edge(f, v, 2, b.left, {1, 0});
    const Corner from = secondary ? b.back : b.front;
    // The corner across the base from `from`, over the edge's other axis.
    const Corner to = axis == 0 ? Corner{from.i, 1 - from.j, 0} : Corner{1 - from.i, from.j, 0};
    const Vec p = on_page(f, v, v.corner(from)), q = on_page(f, v, v.corner(to));
    return edge(f, v, axis, from, {q.x - p.x, q.y - p.y});
}

}  // namespace

BaseCorners base_corners(const View3d& v) {
    const Corner all[4] = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}};
    // The lowest on the page: the nearest the viewer, and from straight above (where all
    // are as near) the one the nearest would be from a little lower.
    int front = 0;
    for (int n = 1; n < 4; ++n)
        if (v.project(v.corner(all[n])).y < v.project(v.corner(all[front])).y - 1e-12) front = n;
    const int back = 3 - front;  // the diagonal's other end
    int left = front ^ 1, right = front ^ 2;
    if (v.project(v.corner(all[right])).x < v.project(v.corner(all[left])).x)
        std::swap(left, right);
    return {all[front], all[back], all[left], all[right]};
}

void draw_box3d(LayoutCanvas& c, const Frame& f, const View3d& v, const Box3dAxes& a) {
    const BaseCorners b = base_corners(v);
    const PageEdge x = box_edge(f, v, b, 0, false), y = box_edge(f, v, b, 1, false);
    const PageEdge z_left = box_edge(f, v, b, 2, false), z_right = box_edge(f, v, b, 2, true);
    if (a.z.grid) draw_back_grid(c, f, v, b, edge_ticks(c, z_left, a.z, f.text_height, {}));
    Taken taken;
    const NumberFormats& formats = f.setup.formats;
    draw_axis(c, f, x, a.x, a.x.low, a.x.numbers_low, a.x_label, taken, formats.x);
    draw_axis(c, f, y, a.y, a.y.low, a.y.numbers_low, a.y_label, taken, formats.y);
    // The z label goes with the numbers on the right when there are some there.
    const bool label_right = a.z.numbers_high;
    draw_axis(c, f, z_left, a.z, a.z.low, a.z.numbers_low, label_right ? "" : a.z_label, taken);
    if (a.z.high || a.z.numbers_high)
        draw_axis(c, f, z_right, a.z, a.z.high, a.z.numbers_high, label_right ? a.z_label : "",
                  taken);
}

void draw_edge_text(LayoutCanvas& c, const Frame& f, const View3d& v, const EdgeText& t) {
    const PageEdge e = box_edge(f, v, base_corners(v), t.axis, t.secondary);
    const double h = f.text_height;
    draw_along(c, e, t.text, t.displacement * h, t.position, t.justification, h, t.colour);
}

}  // namespace lumora::plotcore
