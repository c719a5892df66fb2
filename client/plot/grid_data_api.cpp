// The public gridding calls: check the arguments, grid the samples, and write the values
// in the layout the field operations take.
#include <cmath>
#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "client/include/lumora.h"
#include "entry.h"
#include "field_grid.h"
#include "grid_data.h"

using namespace lumora::plot;

namespace {

constexpr int kMaxSamples = 16777216;
constexpr long long kMaxGridValues = 67108864;

bool arrays_given(const void* x, const void* y, const void* z, const void* xg, const void* yg,
                  const void* values) {
    if (x != nullptr && y != nullptr && z != nullptr && xg != nullptr && yg != nullptr &&
        values != nullptr)
        return true;
    refuse("one of the arrays is a null pointer");
    return false;
}

bool sizes_taken(int n, int nx, int ny) {
    if (n < 1 || n > kMaxSamples) {
        refuse(std::to_string(n) + " samples: 1 ... " + std::to_string(kMaxSamples) + " are taken");
        return false;
    }
    if (nx < 1 || ny < 1 || static_cast<long long>(nx) * ny > kMaxGridValues) {
        refuse("a grid of " + std::to_string(nx) + " x " + std::to_string(ny) +
               " points: each side at least 1, at most " + std::to_string(kMaxGridValues) +
               " points");
        return false;
    }
    return true;
}

bool method_taken(int method, double parameter) {
    if (method < LU_GRID_NEAREST || method > LU_GRID_NATURAL) {
        refuse("method " + std::to_string(method) + " is none of LU_GRID_NEAREST, " +
               "LU_GRID_INVERSE_DISTANCE, LU_GRID_LINEAR, LU_GRID_NATURAL");
        return false;
    }
    if (!std::isfinite(parameter) || parameter < 0) {
        refuse("the parameter " + number_text(parameter) + " is not a finite number >= 0");
        return false;
    }
    return true;
}

template <class Value>
std::vector<double> coordinates(const Value* v, int count) {
    return std::vector<double>(v, v + count);
}

template <class Value>
void write(const std::vector<double>& grid, int nx, int ny, int layout, Value* values) {
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const long long to = layout == kRowMajor ? static_cast<long long>(i) * ny + j
                                                     : i + static_cast<long long>(j) * nx;
            values[to] = static_cast<Value>(grid[static_cast<std::size_t>(j) * nx + i]);
        }
    }
}

template <class Value>
int grid_data(const Value* x, const Value* y, const Value* z, int n, const Value* xg, int nx,
              const Value* yg, int ny, int layout, int method, double parameter, Value* values) {
    if (!arrays_given(x, y, z, xg, yg, values) || !sizes_taken(n, nx, ny) ||
        !method_taken(method, parameter))
        return 0;
    if (layout != kRowMajor && layout != kColumnMajor)
        return refuse("layout " + std::to_string(layout) +
                      " is not LU_ROW_MAJOR (0) or LU_COLUMN_MAJOR (1)");
    Samples samples = samples_of(x, y, z, n);
    if (samples.points.empty()) return refuse("no sample has finite coordinates and value");
    const auto how = static_cast<GridMethod>(method);
    if ((how == GridMethod::linear || how == GridMethod::natural) && !has_area(samples)) {
        write(std::vector<double>(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny), NAN),
              nx, ny, layout, values);
        return refuse("the samples need three places not on one line to interpolate between");
    }
    write(grid_values(std::move(samples), coordinates(xg, nx), coordinates(yg, ny), how, parameter),
          nx, ny, layout, values);
    return 1;
}

}  // namespace

extern "C" {

int lu_grid_data(const float* x, const float* y, const float* z, int n, const float* xg, int nx,
                 const float* yg, int ny, int layout, int method, float parameter, float* values) {
    return guarded(__func__, [&] {
        return grid_data(x, y, z, n, xg, nx, yg, ny, layout, method, parameter, values);
    });
}

int lu_grid_data_(int* result, const float* x, const float* y, const float* z, const int* n,
                  const float* xg, const int* nx, const float* yg, const int* ny, const int* method,
                  const float* parameter, float* values) {
    return guarded(__func__, [&] {
        return store(result, grid_data(x, y, z, at(n), xg, at(nx), yg, at(ny), kColumnMajor,
                                       at(method), at(parameter), values));
    });
}

int lu_grid_data_double(const double* x, const double* y, const double* z, int n, const double* xg,
                        int nx, const double* yg, int ny, int layout, int method, double parameter,
                        double* values) {
    return guarded(__func__, [&] {
        return grid_data(x, y, z, n, xg, nx, yg, ny, layout, method, parameter, values);
    });
}

int lu_grid_data_double_(int* result, const double* x, const double* y, const double* z,
                         const int* n, const double* xg, const int* nx, const double* yg,
                         const int* ny, const int* method, const double* parameter,
                         double* values) {
    return guarded(__func__, [&] {
        return store(result, grid_data(x, y, z, at(n), xg, at(nx), yg, at(ny), kColumnMajor,
                                       at(method), at(parameter), values));
    });
}

}  // extern "C"
