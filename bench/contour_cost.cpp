// Times contour lines and colour bars drawn through the real window process: a field of
// side x side values (hills and a saddle), `levels` given levels evenly across its range.
//   contour_cost lines LEVELS [labels] [noise] [SIDE]   contour lines
//   contour_cost fill LEVELS [noise] [SIDE]             filled contours
//   contour_cost bar LEVELS                             a colour bar of LEVELS levels
// noise adds noise to the field (many short lines); SIDE is 100 unless given.
// Prints the seconds the call took and its result.
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "lumora.h"

namespace {

using Clock = std::chrono::steady_clock;

// Hills and a saddle, with noise when asked for: a rough field has many short lines.
std::vector<float> field(int side, bool noise) {
    std::vector<float> z;
    unsigned state = 12345;
    z.reserve(static_cast<std::size_t>(side) * static_cast<std::size_t>(side));
    for (int i = 0; i < side; ++i) {
        for (int j = 0; j < side; ++j) {
            const double x = 4.0 * i / side - 2, y = 4.0 * j / side - 2;
            z.push_back(static_cast<float>(
                std::exp(-(x - 0.8) * (x - 0.8) - y * y) -
                0.7 * std::exp(-(x + 0.7) * (x + 0.7) - (y - 0.6) * (y - 0.6)) + 0.1 * x * y +
                (noise ? 0.3 * ((state >> 8) % 1000) / 1000.0 : 0)));
            state = state * 1103515245u + 12345u;
        }
    }
    return z;
}

std::vector<float> levels_across(const std::vector<float>& z, int count) {
    float low = z[0], high = z[0];
    for (float v : z) {
        low = std::fmin(low, v);
        high = std::fmax(high, v);
    }
    std::vector<float> levels;
    for (int k = 0; k < count; ++k)
        levels.push_back(low +
                         (high - low) * (static_cast<float>(k) + 0.5f) / static_cast<float>(count));
    return levels;
}

int usage() {
    std::fprintf(stderr, "usage: contour_cost lines|fill|bar LEVELS [labels] [noise] [SIDE]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return usage();
    const bool lines = std::strcmp(argv[1], "lines") == 0;
    const bool fill = std::strcmp(argv[1], "fill") == 0;
    const bool bar = std::strcmp(argv[1], "bar") == 0;
    if (!lines && !fill && !bar) return usage();
    const int count = std::atoi(argv[2]);
    int labels = 0, side = 100;
    bool noise = false;
    for (int k = 3; k < argc; ++k) {
        if (std::strcmp(argv[k], "labels") == 0)
            labels = 1;
        else if (std::strcmp(argv[k], "noise") == 0)
            noise = true;
        else
            side = std::atoi(argv[k]);
    }
    if (count < 1 || side < 2) return usage();
    if (lu_open_window(0) <= 0) return 1;
    lu_set_viewport(0.1f, 0.1f, 0.8f, 0.9f);
    lu_set_world(0, 0, 1, 1);
    const std::vector<float> z = field(side, noise);
    const std::vector<float> levels = levels_across(z, count);
    const auto start = Clock::now();
    int result = 0;
    if (lines)
        result = lu_draw_contours(z.data(), side, side, LU_ROW_MAJOR, 0, 0, 1, 1, levels.data(),
                                  count, labels);
    else if (fill)
        result =
            lu_fill_contours(z.data(), side, side, LU_ROW_MAJOR, 0, 0, 1, 1, levels.data(), count);
    else
        result = lu_draw_colour_bar(0.02f, 0.04f, levels.data(), count);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    lu_quit_with_flag(0);
    std::printf("%s levels=%d labels=%d noise=%d side=%d result=%d seconds=%.3f\n", argv[1], count,
                labels, noise ? 1 : 0, side, result, seconds);
    return 0;
}
