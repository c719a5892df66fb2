#include "transform_refine.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumora::plot {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr std::size_t kLeastSplits = 1 << 20, kSplitsPerPosition = 64;
// Pieces up to this long (pixels) are taken as straight when their middle is: dense data
// then cost one more call of the transform per piece, not three.
constexpr double kShortPiece = 4;

struct Point {
    double x = kNaN, y = kNaN;
};

Point middle(const Point& a, const Point& b) {
    return {(a.x + b.x) / 2, (a.y + b.y) / 2};
}

// Splits the pieces of one line or outline and collects the world points.
class Refiner {
  public:
    Refiner(const TransformedWorld& w, bool breaks, std::size_t n)
        : w_(w), breaks_(breaks), splits_(std::max(kLeastSplits, kSplitsPerPosition * n)) {}

    std::vector<double> take() { return std::move(out_); }

    bool map(const Point& p, Point& t) const { return w_.transform.apply(p.x, p.y, t.x, t.y); }

    void add(const Point& t) {
        out_.push_back(t.x);
        out_.push_back(t.y);
    }
    void gap() {
        if (breaks_ && !out_.empty() && !std::isnan(out_.back())) add({});
    }

    // From a (shown, added) to b (shown): b and the points between that the curve needs.
    void piece(const Point& a, const Point& ta, const Point& b, const Point& tb, int depth) {
        const Point m = middle(a, b);
        Point tm;
        if (depth >= kMaxSplitDepth || splits_ == 0) return add(tb);
        --splits_;
        if (!map(m, tm)) {
            to_edge(a, ta, m, depth + 1);
            gap();
            return from_edge(m, b, tb, depth + 1);
        }
        if (straight(a, ta, m, tm, b, tb)) return add(tb);
        piece(a, ta, m, tm, depth + 1);
        piece(m, tm, b, tb, depth + 1);
    }

    // From a (shown, added) towards u (not shown): as far as the transform shows.
    void to_edge(const Point& a, const Point& ta, const Point& u, int depth) {
        if (depth >= kMaxSplitDepth) return;
        const Point m = middle(a, u);
        Point tm;
        if (!map(m, tm)) return to_edge(a, ta, m, depth + 1);
        piece(a, ta, m, tm, depth + 1);
        to_edge(m, tm, u, depth + 1);
    }

    // From u (not shown) to b (shown): from where the transform begins to show, to b.
    void from_edge(const Point& u, const Point& b, const Point& tb, int depth) {
        if (depth >= kMaxSplitDepth) return add(tb);
        const Point m = middle(u, b);
        Point tm;
        if (!map(m, tm)) return from_edge(m, b, tb, depth + 1);
        from_edge(u, m, tm, depth + 1);
        piece(m, tm, b, tb, depth + 1);
    }

    // The way along the data from a to b.
    // a_added: whether ta ends what is added so far.
    void step(const Point& a, bool shown_a, const Point& ta, const Point& b, bool shown_b,
              const Point& tb, bool a_added) {
        if (shown_a && !a_added) add(ta);
        if (shown_a && shown_b) return piece(a, ta, b, tb, 0);
        if (shown_a) return to_edge(a, ta, b, 0), gap();
        if (shown_b) return gap(), from_edge(a, b, tb, 0);
        gap();
    }

  private:
    double pixels(const Point& a, const Point& b) const {
        return std::hypot((a.x - b.x) * w_.pixels_x, (a.y - b.y) * w_.pixels_y);
    }
    bool near(const Point& t, const Point& on_chord) const {
        return pixels(t, on_chord) <= kBendTolerance;
    }
    // Whether the curve lies within the tolerance of the straight piece at its middle and
    // its quarters: a curve symmetric about the middle (a cosine) passes the middle alone.
    bool straight(const Point& a, const Point& ta, const Point& m, const Point& tm, const Point& b,
                  const Point& tb) const {
        const Point chord = middle(ta, tb);
        if (!near(tm, chord)) return false;
        if (pixels(ta, tb) <= kShortPiece) return true;  // too short to hide a bend
        Point t1, t3;
        return map(middle(a, m), t1) && map(middle(m, b), t3) && near(t1, middle(ta, chord)) &&
               near(t3, middle(chord, tb));
    }

    const TransformedWorld& w_;
    bool breaks_;
    std::size_t splits_;  // left for the whole line: what a wild transform may cost
    std::vector<double> out_;
};

bool finite(const Point& p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Walks the pieces between successive positions (and back to the first when closed).
std::vector<double> walk(const TransformedWorld& w, const std::vector<double>& xy, bool closed) {
    const std::size_t n = xy.size() / 2;
    Refiner r(w, !closed, n);
    Point a, ta;
    bool shown_a = false, have_a = false, a_added = false;
    for (std::size_t k = 0; k < n + (closed && n > 2 ? 1 : 0); ++k) {
        const std::size_t i = k % n;
        const Point b{xy[2 * i], xy[2 * i + 1]};
        Point tb;
        if (!finite(b)) {
            have_a = false;
            r.gap();
            continue;
        }
        const bool shown_b = r.map(b, tb);
        if (have_a) r.step(a, shown_a, ta, b, shown_b, tb, a_added);
        a_added = have_a && shown_b;
        a = b, ta = tb, shown_a = shown_b, have_a = true;
    }
    return r.take();
}

}  // namespace

std::vector<double> transform_line(const TransformedWorld& w, const std::vector<double>& xy) {
    return walk(w, xy, false);
}

std::vector<double> transform_outline(const TransformedWorld& w, const std::vector<double>& xy) {
    std::vector<double> out = walk(w, xy, true);
    // The way back to the first position ends on it: once is enough.
    const std::size_t n = out.size();
    if (n >= 4 && out[n - 2] == out[0] && out[n - 1] == out[1]) out.resize(n - 2);
    return out;
}

std::vector<double> transform_positions(const PlotTransform& t, const std::vector<double>& xy) {
    std::vector<double> out(xy.size() - xy.size() % 2, kNaN);
    for (std::size_t i = 0; i + 1 < xy.size(); i += 2) {
        if (!t.apply(xy[i], xy[i + 1], out[i], out[i + 1])) out[i] = out[i + 1] = kNaN;
    }
    return out;
}

}  // namespace lumora::plot
