// Missing values leave their cells transparent: over a red box drawn first, a field image,
// a field image on a grid and filled contours let the red show where a value is NaN and
// cover it elsewhere, in a window with plot batches and in one without; a colour given to
// NaN paints those cells again. Pictures drawn with Cairo.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/colour_maps.h"
#include "client/plot/plot_state.h"
#include "server/render/cairo/picture_file.h"
#include "tests/gallery/gallery_window.h"

namespace lumora::plot {
namespace {

constexpr int kN = 6;  // values a side, over the world 0 ... 6
const int kRed = lu_make_rgb_colour(255, 0, 0);

// A smooth field with the value (2, 3) missing; contours need the corners around a cell,
// so the value (2, 3) leaves the four cells about it open.
std::vector<float> field() {
    std::vector<float> z;
    for (int i = 0; i < kN; ++i)
        for (int j = 0; j < kN; ++j) z.push_back(i == 2 && j == 3 ? NAN : float(i + j) / 10);
    return z;  // row-major
}

// The colour of the page at a world point, the window drawn with Cairo.
class Page {
  public:
    explicit Page(const luwnd::render::Picture& picture)
        : image_(luwnd::render::render_image(picture)),
          width_(picture.width),
          height_(picture.height) {
        cairo_surface_flush(image_);
    }
    ~Page() { cairo_surface_destroy(image_); }
    Page(const Page&) = delete;
    Page& operator=(const Page&) = delete;
    // World 0 ... kN across the whole page each way, y upward.
    std::uint32_t at(double x, double y) const {
        const int px = int(x / kN * width_), py = int((1 - y / kN) * height_);
        std::uint32_t pixel = 0;
        std::memcpy(&pixel,
                    cairo_image_surface_get_data(image_) +
                        py * cairo_image_surface_get_stride(image_) + 4 * px,
                    4);
        return pixel & 0xFFFFFF;
    }

  private:
    cairo_surface_t* image_;
    int width_, height_;
};

using Draw = std::function<int(const std::vector<float>&)>;

// Draws the red box, then the field, on either road; the page.
luwnd::render::Picture drawn(bool batches, const Draw& draw) {
    reset_plot_state();
    gallery::GalleryWindow window(300, 300, 96, batches);
    EXPECT_NE(lu_set_viewport(0, 0, 1, 1), 0);
    EXPECT_NE(lu_set_world(0, 0, kN, kN), 0);
    EXPECT_NE(lu_draw_box_a22(0, 0, kN, kN, kRed), 0);
    EXPECT_EQ(draw(field()), window.number());
    EXPECT_EQ(window.errors(), "");
    return window.picture();
}

class PlotNanCellsTest : public ::testing::Test {
  protected:
    PlotNanCellsTest() { current_colour_map() = ColourMap{}; }
    ~PlotNanCellsTest() override {
        current_colour_map() = ColourMap{};
        reset_plot_state();
    }
};

TEST_F(PlotNanCellsTest, AMissingValuesCellShowsWhatLiesUnderIt) {
    std::vector<float> edges;
    for (int k = 0; k <= kN; ++k) edges.push_back(float(k));
    const float levels[] = {0, 0.25f, 0.5f, 0.75f, 1.0f, 1.25f};
    const std::vector<std::pair<const char*, Draw>> draws = {
        {"field image",
         [](const std::vector<float>& z) {
             return lu_draw_field_image(z.data(), kN, kN, LU_ROW_MAJOR, 0, 0, kN, kN, 0);
         }},
        {"field image on a grid",
         [&](const std::vector<float>& z) {
             return lu_draw_field_image_on_grid(z.data(), kN, kN, LU_ROW_MAJOR, edges.data(),
                                                edges.data(), LU_GRID_AXES);
         }},
        {"filled contours", [&](const std::vector<float>& z) {
             return lu_fill_contours(z.data(), kN, kN, LU_ROW_MAJOR, 0, 0, kN, kN, levels, 6);
         }}};
    for (const auto& [what, draw] : draws) {
        for (bool batches : {true, false}) {
            const Page page(drawn(batches, draw));
            // Value (2, 3)'s cell of the image spans 2 ... 3 and 3 ... 4; contours take
            // values at cell middles, so the middle of value (2, 3) lies in their hole.
            EXPECT_EQ(page.at(2.5, 3.5), 0xFF0000u) << what << (batches ? " batches" : "");
            EXPECT_NE(page.at(0.5, 0.5), 0xFF0000u) << what << (batches ? " batches" : "");
            EXPECT_NE(page.at(5.2, 5.2), 0xFF0000u) << what << (batches ? " batches" : "");
            EXPECT_NE(page.at(4.6, 3.5), 0xFF0000u) << what << (batches ? " batches" : "");
        }
    }
}

TEST_F(PlotNanCellsTest, AColourGivenToMissingValuesPaintsTheirCells) {
    for (bool batches : {true, false}) {
        const Page page(drawn(batches, [](const std::vector<float>& z) {
            EXPECT_NE(lu_set_colour_map_extremes(-1, -1, lu_make_rgb_colour(0, 0, 255)), 0);
            return lu_draw_field_image(z.data(), kN, kN, LU_ROW_MAJOR, 0, 0, kN, kN, 0);
        }));
        EXPECT_EQ(page.at(2.5, 3.5), 0x0000FFu) << batches;
    }
}

}  // namespace
}  // namespace lumora::plot
