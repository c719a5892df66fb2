// A canvas that writes each call down as one line of text, for the tests:
//   "line 1,2 3,4 pen=ff0000/solid/1/0"    (pen: colour/dash/width/mix)
//   "line 1.25,2 3,4.5 pen=ff0000/dash/1.5/0/exact"  (a plot item's pen: its exact width)
//   "rect 0,0 10,10 pen=... fill=00ff00/0"  (fill: colour/mix, "-" for none)
//   "text 5,6 \"Hi\" face=/h=16/a=900/al=0,1/st=0/c=000000"
//   "image 0,0 100,50 src=20x10 smooth=1 sum=<FNV-1a 32 of the packed RGB words>"
//   "gradient alternate 0,0 9,0 9,9 axis=0,0 9,0 0:ff0000/255 1:0000ff/128"
//   "opacity 128"
// Transform, clip and opacity calls are written only when they change something.
#pragma once

#include <string>
#include <vector>

#include "server/render/canvas.h"

namespace luwnd::render {

std::string describe(const Pen& pen);
std::string describe(const std::optional<Fill>& fill);

class RecordingCanvas : public Canvas {
  public:
    const std::vector<std::string>& calls() const { return calls_; }
    void forget() { calls_.clear(); }

    void clear(std::uint32_t rgb) override;
    void set_transform(const Transform& transform) override;
    void set_clip(const Clip& clip) override;
    void set_opacity(std::uint8_t alpha) override;
    void line(Point from, Point to, const Pen& pen) override;
    void polyline(std::span<const Point> points, const Pen& pen) override;
    void bezier(std::span<const Point> points, const Pen& pen) override;
    void polygon(std::span<const Point> points, FillRule rule, const Pen& pen,
                 std::optional<Fill> fill) override;
    void gradient_polygon(std::span<const Point> points, FillRule rule,
                          const lumora::plotcore::Gradient& gradient) override;
    void rectangle(const Box& box, const Pen& pen, std::optional<Fill> fill) override;
    void rounded_rectangle(const Box& box, double corner_width, double corner_height,
                           const Pen& pen, std::optional<Fill> fill) override;
    void ellipse(const Box& box, const Pen& pen, std::optional<Fill> fill) override;
    void arc(const Box& box, double start, double end, ArcShape shape, const Pen& pen,
             std::optional<Fill> fill) override;
    void text(Point at, const std::string& bytes, const TextStyle& style) override;
    void image(const ImagePixels& pixels, Point first, Point last, bool smooth) override;

  private:
    Transform transform_;
    Clip clip_;
    static constexpr std::uint8_t kOpaque = 255;
    std::uint8_t alpha_ = kOpaque;
    std::vector<std::string> calls_;
};

}  // namespace luwnd::render
