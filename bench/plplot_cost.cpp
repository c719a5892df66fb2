// The pictures of render_cost drawn with PLplot's pngcairo device, timed the same way, as
// the yardstick for our own rendering: a 1000 x 800 pixel page, black lines of the
// thinnest width on white, the world filling the page.
// The field is drawn with plimage in PLplot's default colour map 1, one cell a value.
//   plplot_cost polyline|lines|field OUTDIR
#include <plplot.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "render_scenes.h"

namespace {

using bench::Clock;
using bench::ms_between;

long file_size(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 ? static_cast<long>(info.st_size) : -1;
}

void open_page(const std::string& path) {
    plsdev("pngcairo");
    plsfnam(path.c_str());
    plspage(0, 0, bench::kPageWidth, bench::kPageHeight, 0, 0);
    plscolbg(255, 255, 255);
    plscol0(1, 0, 0, 0);
    plinit();
    pladv(0);
    plvpor(0, 1, 0, 1);
    plwind(0, bench::kPageWidth, 0, bench::kPageHeight);
    plcol0(1);
    plwidth(1);
}

void draw_polyline(const std::vector<PLFLT>& xs, const std::vector<PLFLT>& ys) {
    plline(static_cast<PLINT>(xs.size()), xs.data(), ys.data());
}

void draw_lines(const std::vector<PLFLT>& xs, const std::vector<PLFLT>& ys) {
    for (std::size_t i = 0; i + 1 < xs.size(); i += 2) pljoin(xs[i], ys[i], xs[i + 1], ys[i + 1]);
}

// plimage takes the field as rows of x: idata[i][j] is the value at x index i, y index j.
struct FieldRows {
    std::vector<double> values = bench::field_values();
    std::vector<PLFLT*> rows;
    FieldRows() {
        for (int i = 0; i < bench::kFieldSide; ++i)
            rows.push_back(values.data() + static_cast<std::size_t>(i) * bench::kFieldSide);
    }
};

void draw_field(FieldRows& field) {
    auto [low, high] = std::minmax_element(field.values.begin(), field.values.end());
    plimage(field.rows.data(), bench::kFieldSide, bench::kFieldSide, 0, bench::kPageWidth, 0,
            bench::kPageHeight, *low, *high, 0, bench::kPageWidth, 0, bench::kPageHeight);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string scene = argc > 1 ? argv[1] : "";
    const std::string outdir = argc > 2 ? argv[2] : ".";
    if (scene != "polyline" && scene != "lines" && scene != "field") {
        std::fprintf(stderr, "usage: plplot_cost polyline|lines|field [OUTDIR]\n");
        return 2;
    }
    FieldRows field;  // made before any timing starts
    const bench::Pairs pairs = scene == "lines" ? bench::random_lines() : bench::noisy_sine();
    std::vector<PLFLT> xs, ys;
    for (std::size_t i = 0; i + 1 < pairs.size(); i += 2) {
        xs.push_back(pairs[i]);
        ys.push_back(pairs[i + 1]);
    }
    const std::string png = outdir + "/plplot-" + scene + ".png";
    std::remove(png.c_str());

    const auto start = Clock::now();
    open_page(png);
    const auto opened = Clock::now();
    if (scene == "lines") {
        draw_lines(xs, ys);
    } else if (scene == "field") {
        draw_field(field);
    } else {
        draw_polyline(xs, ys);
    }
    const auto drawn = Clock::now();
    plend();
    const auto written = Clock::now();
    const long bytes = file_size(png);
    rusage used{};
    getrusage(RUSAGE_SELF, &used);
    const double cpu_ms = static_cast<double>(used.ru_utime.tv_sec + used.ru_stime.tv_sec) * 1e3 +
                          static_cast<double>(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e3;
    std::printf(
        "plplot scene=%s init_ms=%.1f commands_ms=%.1f plend_ms=%.1f work_ms=%.1f "
        "total_ms=%.1f cpu_ms=%.1f png=%s bytes=%ld\n",
        scene.c_str(), ms_between(start, opened), ms_between(opened, drawn),
        ms_between(drawn, written), ms_between(opened, written), ms_between(start, written), cpu_ms,
        png.c_str(), bytes);
    return bytes > 0 ? 0 : 1;
}
