#include "marked_text.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "markup.h"

namespace lumora::plotcore {
namespace {

constexpr double kAscentShare = 0.8;  // of a line, where a canvas cannot say

struct PlacedRun {
    const MarkupRun* run = nullptr;
    double x = 0, height = 0;
    int style = 0;
};

struct Placed {
    std::vector<PlacedRun> runs;
    double width = 0, ascent = 0, descent = 0;
};

// Measures the runs with the canvas's current text style beneath their own and places
// them along the baseline; the canvas's style is as it was afterwards.
Placed place_runs(LayoutCanvas& c, const std::vector<MarkupRun>& runs, double height) {
    const int base = c.set_text_style(0);
    Placed placed;
    double cursor = 0, script_start = 0;
    for (const MarkupRun& run : runs) {
        const double h = height * level_scale(run.level);
        const int style = base | run.style | (run.utf8 ? kUtf8Text : 0);
        c.set_text(h, 0, kLeftBase, kKeep);
        c.set_text_style(style);
        const TextSize size = c.measure_text(run.bytes);
        const double ascent = size.ascent > 0 ? size.ascent : kAscentShare * size.height;
        double x = run.space * height;
        switch (run.place) {
            case RunPlace::kAfter:
                x += cursor;
                break;
            case RunPlace::kScriptStart:
                x += script_start = cursor;
                break;
            case RunPlace::kBesideScript:
                x += script_start;
                break;
            case RunPlace::kAfterStack:
                x += placed.width;
                break;
        }
        cursor = x + size.width;
        placed.width = std::max(placed.width, cursor);
        const double raise = run.raise * height;
        placed.ascent = std::max(placed.ascent, raise + ascent);
        placed.descent = std::max(placed.descent, size.height - ascent - raise);
        placed.runs.push_back({&run, x, h, style});
    }
    c.set_text_style(base);
    return placed;
}

// The picture of a text turned counterclockwise by the angle in turns.
TextMatrix turned(double angle) {
    const double turn = angle * 2 * std::numbers::pi;
    return {std::cos(turn), -std::sin(turn), std::sin(turn), std::cos(turn)};
}

}  // namespace

TextSize marked_text_size(LayoutCanvas& canvas, const std::string& text, double height) {
    if (!has_markup(text)) {
        canvas.set_text(height, 0, kLeftBase, kKeep);
        return canvas.measure_text(text);
    }
    const std::vector<MarkupRun> runs = parse_markup(text);
    const Placed placed = place_runs(canvas, runs, height);
    return {placed.width, placed.ascent + placed.descent, placed.ascent};
}

void draw_marked_text(LayoutCanvas& canvas, double x, double y, const std::string& text,
                      const MarkedLook& look, const std::optional<TextMatrix>& matrix) {
    const TextMatrix m = matrix ? *matrix : turned(look.angle);
    // A canvas that can only turn texts turns them along the picture's baseline.
    const double angle = matrix ? std::atan2(m.yx, m.xx) / (2 * std::numbers::pi) : look.angle;
    canvas.set_text_matrix(matrix);
    if (!has_markup(text)) {
        canvas.set_text(look.height, angle, look.align, look.colour);
        canvas.draw_text(x, y, text);
        canvas.set_text_matrix(std::nullopt);
        return;
    }
    const std::vector<MarkupRun> runs = parse_markup(text);
    const Placed placed = place_runs(canvas, runs, look.height);
    // The anchor in the text's own axes: u along the baseline, v up from it.
    const int column = look.align % 3, row = look.align / 3;
    const double u0 = -placed.width * 0.5 * column;
    const double v0 = row == 0 ? -placed.ascent : row == 2 ? placed.descent : 0;
    const int base = canvas.set_text_style(0);
    for (const PlacedRun& p : placed.runs) {
        if (p.run->bytes.empty()) continue;
        const double u = u0 + p.x, v = v0 + p.run->raise * look.height;
        canvas.set_text(p.height, angle, kLeftBase, look.colour);
        canvas.set_text_style(p.style);
        canvas.draw_text(x + m.xx * u + m.xy * v, y + m.yx * u + m.yy * v, p.run->bytes);
    }
    canvas.set_text_style(base);
    canvas.set_text_matrix(std::nullopt);
}

}  // namespace lumora::plotcore
