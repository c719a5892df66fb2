#include "recording_canvas.h"

#include <cmath>
#include <cstdio>
#include <numbers>

namespace luwnd::render {
namespace {

// Enough digits to tell every float apart: plot items carry floats at full precision.
std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", value);
    return text;
}

std::string hex(std::uint32_t rgb) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", rgb & 0xFFFFFFu);
    return text;
}

std::string point(Point p) {
    return number(p.x) + "," + number(p.y);
}

std::string box(const Box& b) {
    return point({b.left, b.top}) + " " + point({b.right, b.bottom});
}

std::string points(std::span<const Point> list) {
    std::string text;
    for (const Point& p : list) text += " " + point(p);
    return text;
}

// Angles in whole degrees, which is what the tests reason in.
std::string degrees(double radians) {
    return number(std::round(radians * 180 / std::numbers::pi));
}

const char* dash_name(DashStyle dash) {
    static constexpr const char* kNames[] = {"solid",    "dash",       "dot",
                                             "dashdot",  "dashdotdot", "none",
                                             "longdash", "alternate",  "sparsedot"};
    return kNames[static_cast<int>(dash)];
}

}  // namespace

std::string describe(const Pen& pen) {
    const std::string width = pen.exact() ? number(pen.exact_width) : std::to_string(pen.width);
    return "pen=" + hex(pen.rgb) + "/" + dash_name(pen.dash) + "/" + width + "/" +
           std::to_string(pen.mix) + (pen.exact() ? "/exact" : "");
}

std::string describe(const std::optional<Fill>& fill) {
    if (!fill) return "fill=-";
    return "fill=" + hex(fill->rgb) + "/" + std::to_string(fill->mix);
}

void RecordingCanvas::clear(std::uint32_t rgb) {
    transform_ = {};
    clip_ = {};
    alpha_ = kOpaque;
    calls_.push_back("clear " + hex(rgb));
}

void RecordingCanvas::set_opacity(std::uint8_t alpha) {
    if (alpha == alpha_) return;
    alpha_ = alpha;
    calls_.push_back("opacity " + std::to_string(alpha));
}

void RecordingCanvas::set_transform(const Transform& t) {
    if (t == transform_) return;
    transform_ = t;
    calls_.push_back("transform " + std::to_string(t.m11) + " " + std::to_string(t.m12) + " " +
                     std::to_string(t.m21) + " " + std::to_string(t.m22) + " " +
                     std::to_string(t.dx) + " " + std::to_string(t.dy));
}

void RecordingCanvas::set_clip(const Clip& clip) {
    if (clip == clip_) return;
    clip_ = clip;
    static constexpr const char* kKinds[] = {"none", "inside", "outside"};
    std::string text = std::string("clip ") + kKinds[static_cast<int>(clip.kind)];
    if (clip.kind != Clip::Kind::kNone) text += " " + box(clip.box);
    calls_.push_back(text);
}

void RecordingCanvas::line(Point from, Point to, const Pen& pen) {
    calls_.push_back("line " + point(from) + " " + point(to) + " " + describe(pen));
}

void RecordingCanvas::polyline(std::span<const Point> list, const Pen& pen) {
    calls_.push_back("polyline" + points(list) + " " + describe(pen));
}

void RecordingCanvas::bezier(std::span<const Point> list, const Pen& pen) {
    calls_.push_back("bezier" + points(list) + " " + describe(pen));
}

void RecordingCanvas::polygon(std::span<const Point> list, FillRule rule, const Pen& pen,
                              std::optional<Fill> fill) {
    calls_.push_back(std::string("polygon ") +
                     (rule == FillRule::kWinding ? "winding" : "alternate") + points(list) + " " +
                     describe(pen) + " " + describe(fill));
}

void RecordingCanvas::gradient_polygon(std::span<const Point> list, FillRule rule,
                                       const lumora::plotcore::Gradient& gradient) {
    std::string stops;
    for (const lumora::plotcore::GradientStop& stop : gradient.stops) {
        char text[40];
        std::snprintf(text, sizeof text, " %s:%06x/%u", number(stop.offset).c_str(), stop.rgb,
                      unsigned{stop.alpha});
        stops += text;
    }
    calls_.push_back(std::string("gradient ") +
                     (rule == FillRule::kWinding ? "winding" : "alternate") + points(list) +
                     " axis=" + number(gradient.from.x) + "," + number(gradient.from.y) + " " +
                     number(gradient.to.x) + "," + number(gradient.to.y) + stops);
}

void RecordingCanvas::rectangle(const Box& b, const Pen& pen, std::optional<Fill> fill) {
    calls_.push_back("rect " + box(b) + " " + describe(pen) + " " + describe(fill));
}

void RecordingCanvas::rounded_rectangle(const Box& b, double corner_width, double corner_height,
                                        const Pen& pen, std::optional<Fill> fill) {
    calls_.push_back("roundrect " + box(b) + " " + number(corner_width) + "x" +
                     number(corner_height) + " " + describe(pen) + " " + describe(fill));
}

void RecordingCanvas::ellipse(const Box& b, const Pen& pen, std::optional<Fill> fill) {
    calls_.push_back("ellipse " + box(b) + " " + describe(pen) + " " + describe(fill));
}

void RecordingCanvas::arc(const Box& b, double start, double end, ArcShape shape, const Pen& pen,
                          std::optional<Fill> fill) {
    static constexpr const char* kShapes[] = {"arc", "chord", "pie"};
    calls_.push_back(std::string(kShapes[static_cast<int>(shape)]) + " " + box(b) + " " +
                     degrees(start) + ".." + degrees(end) + " " + describe(pen) + " " +
                     describe(fill));
}

void RecordingCanvas::text(Point at, const std::string& bytes, const TextStyle& s) {
    calls_.push_back("text " + point(at) + " \"" + bytes + "\" face=" + s.face +
                     "/h=" + number(s.height) + "/a=" + degrees(s.angle) +
                     "/al=" + std::to_string(static_cast<int>(s.h_align)) + "," +
                     std::to_string(static_cast<int>(s.v_align)) +
                     "/st=" + std::to_string(s.style) + "/c=" + hex(s.rgb));
}

// The pixels' FNV-1a 32 over their packed RGB words, so a test sees what arrived.
void RecordingCanvas::image(const ImagePixels& pixels, Point first, Point last, bool smooth) {
    std::uint32_t hash = 2166136261u;
    for (std::uint32_t rgb : pixels.rgb) {
        for (int shift = 0; shift < 32; shift += 8)
            hash = (hash ^ ((rgb >> shift) & 0xFF)) * 16777619u;
    }
    char sum[9];
    std::snprintf(sum, sizeof sum, "%08x", static_cast<unsigned>(hash));
    calls_.push_back("image " + point(first) + " " + point(last) +
                     " src=" + std::to_string(pixels.width) + "x" + std::to_string(pixels.height) +
                     " smooth=" + (smooth ? "1" : "0") + " sum=" + sum);
}

}  // namespace luwnd::render
