#include "image_resample.h"

#include <algorithm>
#include <cmath>

namespace luwnd::render {
namespace {

// One axis of the scaling: for each device pixel the two picture pixels around its centre
// and the weight of the second (0 .. 256); nearest uses the first only.
struct AxisSamples {
    std::vector<std::int32_t> first, second, weight;
};

AxisSamples axis_samples(int start, int count, double edge, double extent, bool mirror,
                         std::int32_t source, bool smooth) {
    AxisSamples s;
    s.first.resize(count);
    s.second.resize(count);
    s.weight.resize(count);
    const double scale = source / extent;
    for (int i = 0; i < count; ++i) {
        double u = (start + i + 0.5 - edge) * scale;
        if (mirror) u = source - u;
        if (!smooth) {
            s.first[i] = std::clamp(static_cast<std::int32_t>(std::floor(u)), 0, source - 1);
            continue;
        }
        double v = u - 0.5, base = std::floor(v);
        auto lower = static_cast<std::int32_t>(base);
        s.first[i] = std::clamp(lower, 0, source - 1);
        s.second[i] = std::clamp(lower + 1, 0, source - 1);
        s.weight[i] = static_cast<std::int32_t>(std::lround((v - base) * 256));
    }
    return s;
}

std::uint32_t blend(std::uint32_t a, std::uint32_t b, std::int32_t w) {
    std::uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        std::int32_t ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        std::int32_t c = (ca * (256 - w) + cb * w + 128) >> 8;
        out |= static_cast<std::uint32_t>(c) << shift;
    }
    return out;
}

// The second colour weighed w / 256 against the first.
std::uint32_t blend_rows(std::uint32_t a, std::uint32_t b, std::int32_t w) {
    return w == 0 ? a : blend(a, b, w);
}

}  // namespace

ImageFrame image_frame(Point first, Point last) {
    ImageFrame frame;
    frame.box = {std::min(first.x, last.x), std::min(first.y, last.y), std::max(first.x, last.x),
                 std::max(first.y, last.y)};
    frame.mirror_x = last.x < first.x;
    frame.mirror_y = last.y < first.y;
    return frame;
}

Raster resample(const ImagePixels& pixels, const ImageFrame& frame, const Box& area, bool smooth) {
    Raster out;
    const Box& b = frame.box;
    if (pixels.width <= 0 || pixels.height <= 0 || b.right <= b.left || b.bottom <= b.top)
        return out;
    double left = std::max(std::ceil(b.left - 0.5), std::floor(area.left));
    double top = std::max(std::ceil(b.top - 0.5), std::floor(area.top));
    double right = std::min(std::ceil(b.right - 0.5), std::ceil(area.right));
    double bottom = std::min(std::ceil(b.bottom - 0.5), std::ceil(area.bottom));
    if (right <= left || bottom <= top) return out;
    out.left = static_cast<int>(left);
    out.top = static_cast<int>(top);
    out.width = static_cast<int>(right - left);
    out.height = static_cast<int>(bottom - top);
    AxisSamples xs = axis_samples(out.left, out.width, b.left, b.right - b.left, frame.mirror_x,
                                  pixels.width, smooth);
    AxisSamples ys = axis_samples(out.top, out.height, b.top, b.bottom - b.top, frame.mirror_y,
                                  pixels.height, smooth);
    out.rgb.resize(static_cast<std::size_t>(out.width) * out.height);
    std::uint32_t* row_out = out.rgb.data();
    for (int y = 0; y < out.height; ++y, row_out += out.width) {
        const std::uint32_t* row = pixels.rgb.data() + std::size_t(ys.first[y]) * pixels.width;
        if (!smooth) {
            for (int x = 0; x < out.width; ++x) row_out[x] = row[xs.first[x]];
            continue;
        }
        const std::uint32_t* next = pixels.rgb.data() + std::size_t(ys.second[y]) * pixels.width;
        for (int x = 0; x < out.width; ++x) {
            std::uint32_t top_colour =
                blend_rows(row[xs.first[x]], row[xs.second[x]], xs.weight[x]);
            std::uint32_t bottom_colour =
                blend_rows(next[xs.first[x]], next[xs.second[x]], xs.weight[x]);
            row_out[x] = blend_rows(top_colour, bottom_colour, ys.weight[y]);
        }
    }
    return out;
}

}  // namespace luwnd::render
