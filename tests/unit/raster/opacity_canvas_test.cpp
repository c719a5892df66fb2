// Translucent drawing through a canvas that draws only opaquely: the drawn pixels are laid
// over what was there, the rest stay as they were, and opaque calls pass straight through.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "server/render/raster/opacity_canvas.h"

namespace luwnd::render::raster {
namespace {

// Fills rectangles opaquely into the pixels; every other call draws nothing.
class FillingCanvas : public Canvas {
  public:
    explicit FillingCanvas(const PixelTarget& target) : target_(target) {}
    void clear(std::uint32_t rgb) override { rectangle({0, 0, 1e9, 1e9}, Pen{}, Fill{rgb, 0}); }
    void set_transform(const Transform&) override {}
    void set_clip(const Clip&) override {}
    void set_opacity(std::uint8_t alpha) override { opacities.push_back(alpha); }
    void line(Point, Point, const Pen&) override {}
    void polyline(std::span<const Point>, const Pen&) override {}
    void bezier(std::span<const Point>, const Pen&) override {}
    void polygon(std::span<const Point>, FillRule, const Pen&, std::optional<Fill>) override {}
    void gradient_polygon(std::span<const Point>, FillRule,
                          const lumora::plotcore::Gradient&) override {}
    void rectangle(const Box& box, const Pen&, std::optional<Fill> fill) override {
        for (int y = 0; y < target_.height; ++y)
            for (int x = 0; x < target_.width; ++x)
                if (fill && x >= box.left && x < box.right && y >= box.top && y < box.bottom)
                    std::memcpy(target_.bits + target_.stride * y + 4 * x, &fill->rgb, 4);
    }
    void rounded_rectangle(const Box&, double, double, const Pen&, std::optional<Fill>) override {}
    void ellipse(const Box&, const Pen&, std::optional<Fill>) override {}
    void arc(const Box&, double, double, ArcShape, const Pen&, std::optional<Fill>) override {}
    void text(Point, const std::string&, const TextStyle&) override {}
    void image(const ImagePixels&, Point, Point, bool) override {}

    std::vector<std::uint8_t> opacities;

  private:
    PixelTarget target_;
};

class OpacityCanvasTest : public ::testing::Test {
  protected:
    std::uint32_t at(int x, int y) const {
        std::uint32_t word;
        std::memcpy(&word, bits_.data() + 4 * (y * kSide + x), 4);
        return word & 0xFFFFFF;
    }

    static constexpr int kSide = 8;
    std::vector<std::uint8_t> bits_ = std::vector<std::uint8_t>(4 * kSide * kSide);
    PixelTarget target_{bits_.data(), 4 * kSide, kSide, kSide};
    FillingCanvas inner_{target_};
    int settled_ = 0;
    OpacityCanvas canvas_{inner_, target_, [this] { ++settled_; }};
};

TEST_F(OpacityCanvasTest, TranslucentCallsLieOverWhatWasThereAndLeaveTheRestAlone) {
    canvas_.clear(0xFFFFFF);
    canvas_.rectangle({0, 0, 4, 8}, Pen{}, Fill{0xFF0000, 0});
    canvas_.set_opacity(128);
    canvas_.rectangle({2, 0, 6, 4}, Pen{}, Fill{0x0000FF, 0});
    // The next setting lays it over.
    canvas_.set_opacity(128);
    EXPECT_EQ(at(3, 1), 0x7F0080u);  // over red
    EXPECT_EQ(at(5, 1), 0x7F7FFFu);  // over white
    EXPECT_EQ(at(1, 1), 0xFF0000u);  // beside it
    EXPECT_EQ(at(7, 1), 0xFFFFFFu);
    EXPECT_EQ(at(3, 6), 0xFF0000u);  // below it
    EXPECT_EQ(settled_, 2);          // before the copy and before laying over
    // The inner canvas keeps drawing opaquely.
    EXPECT_TRUE(inner_.opacities.empty());
}

// The parts of one item are laid over as a whole: where they overlap, the page shows
// through as much as under one part.
TEST_F(OpacityCanvasTest, AnItemOfManyPartsIsLaidOverOnce) {
    canvas_.clear(0xFFFFFF);
    canvas_.set_opacity(128);
    canvas_.rectangle({0, 0, 4, 4}, Pen{}, Fill{0x0000FF, 0});
    canvas_.rectangle({2, 2, 6, 6}, Pen{}, Fill{0x0000FF, 0});
    EXPECT_EQ(at(3, 3), 0x0000FFu);  // drawn, not laid over yet
    canvas_.finish();
    EXPECT_EQ(at(3, 3), 0x7F7FFFu);
    EXPECT_EQ(at(1, 1), 0x7F7FFFu);
    EXPECT_EQ(at(5, 5), 0x7F7FFFu);
    EXPECT_EQ(at(7, 7), 0xFFFFFFu);
    {
        OpacityCanvas ending(inner_, target_);
        ending.set_opacity(0);
        ending.rectangle({0, 0, 8, 8}, Pen{}, Fill{0x000000, 0});
    }
    EXPECT_EQ(at(7, 7), 0xFFFFFFu) << "the end lays the last item over";
}

TEST_F(OpacityCanvasTest, OpaqueAndClearedCanvasesPassCallsStraightThrough) {
    canvas_.clear(0xFFFFFF);
    canvas_.set_opacity(0);
    canvas_.rectangle({0, 0, 8, 8}, Pen{}, Fill{0x123456, 0});
    canvas_.finish();
    EXPECT_EQ(at(4, 4), 0xFFFFFFu);  // transparent: nothing shows
    canvas_.clear(0xFFFFFF);         // opaque again
    settled_ = 0;
    canvas_.rectangle({0, 0, 8, 8}, Pen{}, Fill{0x123456, 0});
    EXPECT_EQ(at(4, 4), 0x123456u);
    canvas_.set_opacity(255);
    canvas_.rectangle({0, 0, 1, 1}, Pen{}, Fill{0x654321, 0});
    EXPECT_EQ(at(0, 0), 0x654321u);
    EXPECT_EQ(settled_, 0);
}

TEST(PixelBlend, LayOverMixesEachChannelInTheShare) {
    EXPECT_EQ(lay_over(0x0000FF, 0xFF0000, 128), 0x7F0080u);
    EXPECT_EQ(lay_over(0x102030, 0xF0E0D0, 255), 0x102030u);
    EXPECT_EQ(lay_over(0x102030, 0xF0E0D0, 0), 0xF0E0D0u);
}

}  // namespace
}  // namespace luwnd::render::raster
