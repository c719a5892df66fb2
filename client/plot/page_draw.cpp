#include "page_draw.h"

#include <algorithm>
#include <exception>

#include "client/include/lumora.h"

namespace lumora::plot {
namespace {

constexpr int kClipInside = 1, kClipOff = 0;
constexpr int kDrawingAreaSize = 1;
constexpr double kExponentScale = 0.7;

}  // namespace

Page current_page() {
    Page page;
    int w = 0, h = 0;
    if (lu_get_viewport(nullptr, nullptr, nullptr, nullptr) == 0) return page;
    if (lu_get_metrics(kDrawingAreaSize, &w, &h) == 0 || w <= 0 || h <= 0) return page;
    page.ok = true;
    page.width = w;
    page.height = h;
    page.unit = std::min(w, h);
    return page;
}

void use_page_world(const Page& page) {
    lu_set_viewport(0, 0, 0, 0);
    lu_set_world(0, 0, static_cast<float>(page.width), static_cast<float>(page.height));
}

void use_frame_world(const Page& page, const Frame& f) {
    const double u = page.unit;
    lu_set_viewport(static_cast<float>(f.box.x0 / u), static_cast<float>(f.box.y0 / u),
                    static_cast<float>(f.box.x1 / u), static_cast<float>(f.box.y1 / u));
    lu_set_world(static_cast<float>(f.wx1), static_cast<float>(f.wy1), static_cast<float>(f.wx2),
                 static_cast<float>(f.wy2));
}

PenScope::PenScope() {
    lu_get_pen(&colour_, &style_, &width_, &mix_);
}

// A destructor must not throw: should the command fail that way, the entry point's
// result already says that something went wrong.
PenScope::~PenScope() {
    try {
        lu_set_pen(colour_, style_, width_, mix_);
    } catch (const std::exception&) {
    }
}

ClipScope::ClipScope(const Frame& f) {
    lu_set_rectangle_mode(static_cast<float>(f.wx1), static_cast<float>(f.wy1),
                          static_cast<float>(f.wx2), static_cast<float>(f.wy2), kClipInside);
}

ClipScope::~ClipScope() {
    try {
        lu_set_rectangle_mode(0, 0, 0, 0, kClipOff);
    } catch (const std::exception&) {
    }
}

void set_text(double height, double angle, int align, int colour) {
    lu_set_font(static_cast<float>(std::max(height, 1.0)), static_cast<float>(angle), align, 0,
                colour, nullptr);
}

TextSize measure_text(const std::string& text) {
    float width = 0, height = 0;
    if (lu_get_text_extent(&width, &height, nullptr, nullptr, text.c_str()) <= 0) return {};
    return {width, height};
}

double power_width(const PowerText& p) {
    set_text(p.height, 0, kLeftBase, -1);
    const double base = measure_text(p.base).width;
    set_text(p.height * kExponentScale, 0, kLeftBase, -1);
    return base + measure_text(p.exponent).width;
}

void draw_power(double x, double y, const PowerText& p, int colour) {
    set_text(p.height, 0, kLeftBase, colour);
    const double base = measure_text(p.base).width;
    draw_text(x, y, p.base);
    set_text(p.height * kExponentScale, 0, kLeftBase, colour);
    draw_text(x + base, y + p.height * 0.45, p.exponent);
}

void draw_text(double x, double y, const std::string& text) {
    lu_draw_text(static_cast<float>(x), static_cast<float>(y), text.c_str());
}

void draw_line(double x1, double y1, double x2, double y2) {
    lu_draw_line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                 static_cast<float>(y2));
}

void draw_polyline(const std::vector<float>& points) {
    if (points.size() >= 4) lu_draw_polyline(points.data(), static_cast<int>(points.size() / 2));
}

void set_pen(int colour, int style, int width) {
    lu_set_pen(colour, style, width, -1);
}

}  // namespace lumora::plot
