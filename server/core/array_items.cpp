#include "array_items.h"

#include <cmath>

#include "client/channel/block_layout.h"
#include "drawing_attributes.h"

namespace luwnd {

namespace layout = lumora::layout;

namespace {

constexpr std::int32_t kLastMarkerMode = 6;

std::vector<std::int32_t> words_of(const ArrayData& array) {
    std::vector<std::int32_t> words(array.bytes.size() / 4);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = layout::read_i32(array.bytes.data(), 4 * i);
    return words;
}

bool count_draws(std::int32_t kind, std::int32_t count) {
    switch (kind) {
        case kArrayPolygon:
            return count >= 3;
        case kArrayBezier:
            return count >= 4 && count % 3 == 1;
        case kArrayPolyline:
            return count >= 1;
        default:
            return false;
    }
}

ItemKind figure_kind(std::int32_t kind) {
    if (kind == kArrayPolygon) return ItemKind::kPolygon;
    if (kind == kArrayBezier) return ItemKind::kBezier;
    return ItemKind::kPolyline;
}

// Run position of value i of m, evenly from first to last; both ends are exact.
std::int32_t run_position(std::int32_t first, std::int32_t last, std::size_t i, std::size_t m) {
    if (m < 2) return first;
    double span = static_cast<double>(last) - static_cast<double>(first);
    double step = std::round(span * static_cast<double>(i) / static_cast<double>(m - 1));
    return static_cast<std::int32_t>(static_cast<double>(first) + step);
}

std::optional<DrawItem> plot_item(const ArrayData& array) {
    std::optional<PlotShape> shape = plot_shape(array.count, array.mode, array.words);
    if (!shape) return std::nullopt;
    DrawItem item;
    item.kind = ItemKind::kPlot;
    item.arg1 = array.mode;
    item.arg2 = array.count;
    item.plot = *shape;
    std::vector<std::int32_t> values = words_of(array);
    item.points.reserve(2 * values.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
        std::int32_t run = run_position(array.words[0], array.words[1], i, values.size());
        if (shape->runs_along_y) {
            item.points.push_back(values[i]);
            item.points.push_back(run);
        } else {
            item.points.push_back(run);
            item.points.push_back(values[i]);
        }
    }
    return item;
}

}  // namespace

std::optional<PlotShape> plot_shape(std::int32_t count, std::int32_t mode,
                                    const std::array<std::int32_t, 4>& words) {
    PlotShape shape;
    shape.runs_along_y = count < 0;
    shape.size = words[2];
    shape.base = words[3];
    bool sized = false;
    if (mode == 0) {
        shape.style = PlotStyle::kBars;
        sized = true;
    } else if (mode == -1) {
        shape.style = PlotStyle::kLine;
    } else if (mode < -1) {
        shape.style = PlotStyle::kImpulses;
    } else if (mode <= kLastMarkerMode) {
        shape.style = PlotStyle::kMarkers;
        sized = true;
    } else {
        return std::nullopt;
    }
    if (sized && (shape.size < 0 || shape.size > kMaxDeviceLength)) return std::nullopt;
    return shape;
}

std::optional<DrawItem> array_item(const ArrayData& array) {
    if (array.kind == kArrayPlot) return plot_item(array);
    if (!count_draws(array.kind, array.count)) return std::nullopt;
    DrawItem item;
    item.kind = figure_kind(array.kind);
    if (array.kind == kArrayPolygon) item.arg1 = array.fill_rule == 2 ? 2 : 1;
    item.points = words_of(array);
    return item;
}

}  // namespace luwnd
