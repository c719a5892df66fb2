// Contour lines of a field, optionally labelled with their levels along the line.
#include <cmath>
#include <cstdio>
#include <exception>
#include <numbers>
#include <string>

#include "client/include/lumora.h"
#include "contour_labels.h"
#include "entry.h"
#include "fields_common.h"
#include "grid_positions.h"
#include "page_draw.h"
#include "plot_state.h"
#include "plotcore/number_format.h"

using namespace lumora::plot;

namespace {

constexpr int kCentredOnBaseline = 4;
constexpr double kLabelSpacing = 400;  // device pixels between labels on one line

// A level's label in the window's contour format, or in six significant digits.
std::string label_text(double level, const std::string& format) {
    if (!format.empty()) return lumora::plotcore::format_number(format, level);
    char text[32];
    std::snprintf(text, sizeof text, "%.6g", level);
    return text;
}

// What each level's label shows, the levels' closest spacing telling rounding from a
// value near zero.
std::vector<double> shown_values(std::vector<double> levels) {
    double spacing = 0;
    for (std::size_t k = 1; k < levels.size(); ++k) {
        const double gap = levels[k] - levels[k - 1];
        if (gap > 0 && (spacing == 0 || gap < spacing)) spacing = gap;
    }
    for (double& v : levels) v = shown_value(v, spacing);
    return levels;
}

// A level's label: its text, measured once for all the level's lines.
struct Label {
    std::string text;
    double width = 0, height = 0;
    bool measured = false;  // false: not yet asked, or the window could not say
};

std::vector<float> world_of(const std::vector<DevicePoint>& points, const DeviceScale& scale,
                            double ox, double oy) {
    std::vector<float> out;
    for (const DevicePoint& p : points) {
        out.push_back(static_cast<float>(ox + p.x / scale.sx));
        out.push_back(static_cast<float>(oy + p.y / scale.sy));
    }
    return out;
}

// Leaves the text font at angle 0 and centred on the baseline, however the labels end.
class LabelFontScope {
  public:
    explicit LabelFontScope(bool labelled) : labelled_(labelled) {}
    ~LabelFontScope() {
        try {
            if (labelled_) lu_set_font(-1, 0, kCentredOnBaseline, -1, -1, nullptr);
        } catch (const std::exception&) {
        }
    }
    LabelFontScope(const LabelFontScope&) = delete;
    LabelFontScope& operator=(const LabelFontScope&) = delete;

  private:
    bool labelled_;
};

// Draws the line with gaps and its labels; false when a command failed.
bool draw_labelled(const std::vector<float>& world, const Label& label, const DeviceScale& scale,
                   TakenPlaces& taken) {
    if (!label.measured) return draw_polyline(world);
    // Device offsets from the line's first point keep the numbers small.
    double ox = world[0], oy = world[1];
    std::vector<DevicePoint> device;
    for (std::size_t k = 0; k + 1 < world.size(); k += 2)
        device.push_back({(world[k] - ox) * scale.sx, (world[k + 1] - oy) * scale.sy});
    taken.origin = {ox * scale.sx, oy * scale.sy};
    taken.height = label.height;
    LabelledLine placed =
        place_labels(device, label.width, 0.3 * label.height, kLabelSpacing, &taken);
    for (const auto& part : placed.parts)
        if (!draw_polyline(world_of(part, scale, ox, oy))) return false;
    for (const LabelPlace& place : placed.labels) {
        // The baseline a third of the height below the line, across the text's direction.
        double drop = 0.35 * label.height;
        DevicePoint anchor{place.at.x + drop * std::sin(place.angle),
                           place.at.y + drop * std::cos(place.angle)};
        turn_text(place.angle / (2 * std::numbers::pi), kCentredOnBaseline);
        std::vector<float> at = world_of({anchor}, scale, ox, oy);
        if (!draw_text(at[0], at[1], label.text)) return false;
    }
    return true;
}

// The lines of one level, labelled when there is a scale, clear of the labels already
// taken; false when the window refused.
bool draw_level(const Grid& grid, const CellRanges& cells, const Placement2d& where, double level,
                double shown, const DeviceScale* scale, const std::string& format,
                TakenPlaces& taken) {
    Label label;
    for (const ContourLine& line : contour_lines(grid, cells, level)) {
        std::vector<float> world = world_points(line.points, where);
        if (scale != nullptr && label.text.empty()) {
            // Asked once for the level, at its first line: not once a line.
            label.text = label_text(shown, format);
            const TextSize size = measure_window_text(label.text);
            label.width = size.width;
            label.height = size.height;
            label.measured = size.width > 0 || size.height > 0;
        }
        const bool drawn =
            scale != nullptr ? draw_labelled(world, label, *scale, taken) : draw_polyline(world);
        if (window_refused(drawn)) return false;
    }
    return true;
}

template <class Level>
int draw_contours(const Grid& grid, const Placement2d& where, const Level* given, int count,
                  int labels) {
    const int window = current_open_window();
    if (window == 0) return refuse_no_window();
    DeviceScale scale;
    const bool labelled = labels != 0 && device_scale(where, scale);
    auto range = value_range(grid);
    if (!range) return window;
    const CellRanges cells = cell_ranges(grid);
    use_field_space(window_view());
    LabelFontScope font(labelled);
    const std::vector<double> levels = levels_of(given, count, range->first, range->second, false);
    const std::vector<double> shown = shown_values(levels);
    const std::string& format = plot_state(window).contour_format;
    TakenPlaces taken;  // the labels of every level keep clear of each other
    for (std::size_t k = 0; k < levels.size(); ++k) {
        if (!draw_level(grid, cells, where, levels[k], shown[k], labelled ? &scale : nullptr,
                        format, taken))
            return 0;
    }
    return window;
}

template <class Value, class Level>
int contours(const Value* values, int nx, int ny, int layout, double x1, double y1, double x2,
             double y2, const Level* given, int count, int labels) {
    if (!finite_corners(x1, y1, x2, y2) || !level_count_taken(count)) return 0;
    std::optional<Grid> grid = grid_of(values, nx, ny, layout);
    if (!grid) return 0;
    return draw_contours(*grid, placement_of(*grid, x1, y1, x2, y2), given, count, labels);
}

template <class Value>
int contours_on_grid(const Value* values, int nx, int ny, int layout, const Value* xg,
                     const Value* yg, int grid, const Value* given, int count, int labels) {
    if (!level_count_taken(count)) return 0;
    std::optional<PlacedField> field = field_on_grid(values, nx, ny, layout, xg, yg, grid);
    if (!field) return 0;
    return draw_contours(field->grid, field->where, given, count, labels);
}

}  // namespace

extern "C" {

int lu_draw_contours(const float* values, int nx, int ny, int layout, float x1, float y1, float x2,
                     float y2, const float* levels, int count, int labels) {
    return guarded(__func__, [&] {
        return contours(values, nx, ny, layout, x1, y1, x2, y2, levels, count, labels);
    });
}

int lu_draw_contours_(int* result, const float* values, const int* nx, const int* ny,
                      const float* x1, const float* y1, const float* x2, const float* y2,
                      const float* levels, const int* count, const int* labels) {
    return guarded(__func__, [&] {
        return stored(result, contours(values, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                       arg(x2), arg(y2), levels, arg(count), arg(labels)));
    });
}

int lu_draw_contours_double(const double* values, int nx, int ny, int layout, double x1, double y1,
                            double x2, double y2, const double* levels, int count, int labels) {
    return guarded(__func__, [&] {
        return contours(values, nx, ny, layout, x1, y1, x2, y2, levels, count, labels);
    });
}

int lu_draw_contours_double_(int* result, const double* values, const int* nx, const int* ny,
                             const double* x1, const double* y1, const double* x2, const double* y2,
                             const double* levels, const int* count, const int* labels) {
    return guarded(__func__, [&] {
        return stored(result, contours(values, arg(nx), arg(ny), kColumnMajor, arg(x1), arg(y1),
                                       arg(x2), arg(y2), levels, arg(count), arg(labels)));
    });
}

int lu_draw_contours_on_grid(const float* values, int nx, int ny, int layout, const float* xg,
                             const float* yg, int grid, const float* levels, int count,
                             int labels) {
    return guarded(__func__, [&] {
        return contours_on_grid(values, nx, ny, layout, xg, yg, grid, levels, count, labels);
    });
}

int lu_draw_contours_on_grid_(int* result, const float* values, const int* nx, const int* ny,
                              const float* xg, const float* yg, const int* grid,
                              const float* levels, const int* count, const int* labels) {
    return guarded(__func__, [&] {
        return stored(result, contours_on_grid(values, arg(nx), arg(ny), kColumnMajor, xg, yg,
                                               arg(grid), levels, arg(count), arg(labels)));
    });
}

int lu_draw_contours_on_grid_double(const double* values, int nx, int ny, int layout,
                                    const double* xg, const double* yg, int grid,
                                    const double* levels, int count, int labels) {
    return guarded(__func__, [&] {
        return contours_on_grid(values, nx, ny, layout, xg, yg, grid, levels, count, labels);
    });
}

int lu_draw_contours_on_grid_double_(int* result, const double* values, const int* nx,
                                     const int* ny, const double* xg, const double* yg,
                                     const int* grid, const double* levels, const int* count,
                                     const int* labels) {
    return guarded(__func__, [&] {
        return stored(result, contours_on_grid(values, arg(nx), arg(ny), kColumnMajor, xg, yg,
                                               arg(grid), levels, arg(count), arg(labels)));
    });
}

}  // extern "C"
