// What painting a long plot line costs on the GDI canvas: a page of 800 x 600 pixels with
// one plot batch holding a polyline of 100 000 points (a noisy sine across the page),
// painted into a fresh page image each time. A plain program, so that it runs under Wine:
//   gdi_plot_cost          solid 1.5 px and dashed 1.5 px lines; median and range of 7 paints
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "plotcore/items.h"
#include "server/render/gdi/page_image.h"
#include "server/render/painter.h"

namespace {

namespace plotcore = lumora::plotcore;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 800, kHeight = 600, kPoints = 100000;

luwnd::render::Picture picture_of(plotcore::Dash dash) {
    plotcore::Item line;
    line.kind = plotcore::ItemKind::kPolyline;
    line.stroke = {0x0000C0, 1.5f, dash};
    unsigned noise = 12345;
    for (int i = 0; i < kPoints; ++i) {
        noise = noise * 1103515245u + 12345u;
        const double t = double(i) / kPoints;
        const double wobble = double((noise >> 16) & 0xFF) / 255.0 - 0.5;
        line.points.push_back(
            {static_cast<float>(20 + t * (kWidth - 40)),
             static_cast<float>(kHeight / 2.0 + 200 * std::sin(12 * t) + 20 * wobble)});
    }
    luwnd::DrawItem item;
    item.kind = luwnd::ItemKind::kBatch;
    item.batch = std::make_shared<const plotcore::Items>(plotcore::Items{line});
    luwnd::render::Picture picture;
    picture.width = kWidth;
    picture.height = kHeight;
    picture.items.push_back({item, std::nullopt});
    return picture;
}

double milliseconds_to_paint(const luwnd::render::Picture& picture) {
    const auto start = Clock::now();
    auto image = luwnd::render::render_page(picture);
    const auto end = Clock::now();
    return image == nullptr ? -1 : std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main() {
    const struct {
        const char* name;
        plotcore::Dash dash;
    } cases[] = {{"solid_1.5px", plotcore::Dash::kSolid}, {"dashed_1.5px", plotcore::Dash::kDash}};
    for (const auto& c : cases) {
        const luwnd::render::Picture picture = picture_of(c.dash);
        std::vector<double> ms;
        for (int r = 0; r < 7; ++r) ms.push_back(milliseconds_to_paint(picture));
        std::sort(ms.begin(), ms.end());
        if (ms.front() < 0) {
            std::fprintf(stderr, "gdi_plot_cost: no page image\n");
            return 1;
        }
        std::printf("%s points=%d ms_per_paint=%.1f range=%.1f..%.1f\n", c.name, kPoints, ms[3],
                    ms.front(), ms.back());
    }
    return 0;
}
