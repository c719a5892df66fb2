/* The vector field of the arrow benchmarks: kVectorSide x kVectorSide vectors of a
 * circulation with a source, row-major (u[i * n + j], i along x), the same for Lumora and
 * PLplot; and PLplot's filled arrow of six points (the shape x22 fills). */
#ifndef VECTORS_FIELD_H
#define VECTORS_FIELD_H

enum { kVectorSide = 150 };

static const double kArrowShapeX[6] = {-0.5, 0.3, 0.3, 0.5, 0.3, 0.3};
static const double kArrowShapeY[6] = {0.0, 0.0, 0.2, 0.0, -0.2, 0.0};

static void vector_field(double* u, double* v) {
    for (int i = 0; i < kVectorSide; ++i) {
        for (int j = 0; j < kVectorSide; ++j) {
            const double x = i - kVectorSide / 2 + 0.5, y = j - kVectorSide / 2 + 0.5;
            u[i * kVectorSide + j] = y + 0.3 * x;
            v[i * kVectorSide + j] = -x + 0.3 * y;
        }
    }
}

#endif
