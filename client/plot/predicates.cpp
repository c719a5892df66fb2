#include "predicates.h"

#include <cmath>
#include <vector>

namespace lumora::plot {
namespace {

// The bounds of the relative error of the estimates below (unit roundoff 2^-53).
constexpr double kEpsilon = 1.1102230246251565e-16;
constexpr double kOrientationBound = (3.0 + 16.0 * kEpsilon) * kEpsilon;
constexpr double kInCircleBound = (10.0 + 96.0 * kEpsilon) * kEpsilon;

// A number as the sum of non-overlapping doubles, smallest first: exact for sums and
// products of doubles as long as nothing overflows or underflows.
using Expansion = std::vector<double>;

void two_sum(double a, double b, double& sum, double& error) {
    sum = a + b;
    const double b_part = sum - a;
    const double a_part = sum - b_part;
    error = (a - a_part) + (b - b_part);
}

// Adds b to e in place (Shewchuk's grow-expansion, zero components left out): each
// component of the sum is written where one of e has been read already.
void add(Expansion& e, double b) {
    std::size_t out = 0;
    double carry = b;
    for (std::size_t k = 0; k < e.size(); ++k) {
        double error = 0;
        two_sum(carry, e[k], carry, error);
        if (error != 0) e[out++] = error;
    }
    e.resize(out);
    if (carry != 0 || e.empty()) e.push_back(carry);
}

Expansion plus(Expansion e, const Expansion& f) {
    for (double component : f) add(e, component);
    return e;
}

// Dekker's split and product (not fma, which some C libraries emulate inexactly).
void split(double a, double& high, double& low) {
    constexpr double kSplitter = 134217729.0;  // 2^27 + 1
    const double c = kSplitter * a;
    high = c - (c - a);
    low = a - high;
}

void two_product(double a, double b, double& product, double& error) {
    product = a * b;
    double ah = 0, al = 0, bh = 0, bl = 0;
    split(a, ah, al);
    split(b, bh, bl);
    error = al * bl - (((product - ah * bh) - al * bh) - ah * bl);
}

Expansion times(const Expansion& e, const Expansion& f) {
    Expansion out;
    out.reserve(2 * e.size() * f.size() + 1);
    for (double a : e) {
        for (double b : f) {
            double product = 0, error = 0;
            two_product(a, b, product, error);
            add(out, error);
            add(out, product);
        }
    }
    return out;
}

Expansion difference(double a, double b) {
    double sum = 0, error = 0;
    two_sum(a, -b, sum, error);
    return error != 0 ? Expansion{error, sum} : Expansion{sum};
}

Expansion negated(Expansion e) {
    for (double& component : e) component = -component;
    return e;
}

// The sign of the expansion as a number of its sign and size: the largest component.
double value_of(const Expansion& e) {
    for (auto it = e.rbegin(); it != e.rend(); ++it)
        if (*it != 0) return *it;
    return 0;
}

double exact_orientation(Point2 a, Point2 b, Point2 c) {
    const Expansion acx = difference(a.x, c.x), acy = difference(a.y, c.y);
    const Expansion bcx = difference(b.x, c.x), bcy = difference(b.y, c.y);
    return value_of(plus(times(acx, bcy), negated(times(acy, bcx))));
}

Expansion cross(const Expansion& ax, const Expansion& ay, const Expansion& bx,
                const Expansion& by) {
    return plus(times(ax, by), negated(times(ay, bx)));
}

double exact_in_circle(Point2 a, Point2 b, Point2 c, Point2 d) {
    const Expansion adx = difference(a.x, d.x), ady = difference(a.y, d.y);
    const Expansion bdx = difference(b.x, d.x), bdy = difference(b.y, d.y);
    const Expansion cdx = difference(c.x, d.x), cdy = difference(c.y, d.y);
    const Expansion alift = plus(times(adx, adx), times(ady, ady));
    const Expansion blift = plus(times(bdx, bdx), times(bdy, bdy));
    const Expansion clift = plus(times(cdx, cdx), times(cdy, cdy));
    Expansion det = times(alift, cross(bdx, bdy, cdx, cdy));
    det = plus(det, times(blift, cross(cdx, cdy, adx, ady)));
    det = plus(det, times(clift, cross(adx, ady, bdx, bdy)));
    return value_of(det);
}

}  // namespace

double orientation(Point2 a, Point2 b, Point2 c) {
    const double left = (a.x - c.x) * (b.y - c.y);
    const double right = (a.y - c.y) * (b.x - c.x);
    const double det = left - right;
    const double bound = kOrientationBound * (std::fabs(left) + std::fabs(right));
    if (det > bound || -det > bound) return det;
    return exact_orientation(a, b, c);
}

double in_circle(Point2 a, Point2 b, Point2 c, Point2 d) {
    const double adx = a.x - d.x, ady = a.y - d.y;
    const double bdx = b.x - d.x, bdy = b.y - d.y;
    const double cdx = c.x - d.x, cdy = c.y - d.y;
    const double alift = adx * adx + ady * ady;
    const double blift = bdx * bdx + bdy * bdy;
    const double clift = cdx * cdx + cdy * cdy;
    const double bc = bdx * cdy - bdy * cdx, ca = cdx * ady - cdy * adx;
    const double ab = adx * bdy - ady * bdx;
    const double det = alift * bc + blift * ca + clift * ab;
    const double permanent = alift * (std::fabs(bdx * cdy) + std::fabs(bdy * cdx)) +
                             blift * (std::fabs(cdx * ady) + std::fabs(cdy * adx)) +
                             clift * (std::fabs(adx * bdy) + std::fabs(ady * bdx));
    const double bound = kInCircleBound * permanent;
    if (det > bound || -det > bound) return det;
    return exact_in_circle(a, b, c, d);
}

}  // namespace lumora::plot
