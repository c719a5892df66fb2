// Fields through a window that takes plot batches: a few commands for a whole contour set,
// filled contours, arrows or a colour bar, positions at full precision, and the same
// drawing as through the drawing operations of a window that does not.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "client/include/lumora.h"
#include "client/plot/colour_maps.h"
#include "client/plot/plot_state.h"
#include "tests/gallery/gallery_window.h"
#include "tests/unit/plot/plot_items_drawn.h"

namespace lumora::plot {
namespace {

using luwnd::DrawItem;
using luwnd::ItemKind;

constexpr int kSide = 60;

// sin x cos y with a bump over -3 ... 3, row-major: many lines of every length.
std::vector<float> hills() {
    std::vector<float> z;
    for (int i = 0; i < kSide; ++i) {
        for (int j = 0; j < kSide; ++j) {
            const double x = -3 + 6 * (i + 0.5) / kSide, y = -3 + 6 * (j + 0.5) / kSide;
            const double dx = x - 1, dy = y + 1;
            z.push_back(float(std::sin(x) * std::cos(y) + 1.2 * std::exp(-(dx * dx + dy * dy))));
        }
    }
    return z;
}

const float kLevels[] = {-0.9f, -0.6f, -0.3f, 0, 0.3f, 0.6f, 0.9f, 1.2f};
constexpr int kLevelCount = 8;

void panel() {
    lu_set_viewport(0.1f, 0.1f, 0.9f, 0.9f);
    lu_set_world(-3, -3, 3, 3);
}

const std::vector<float>& field() {
    static const std::vector<float> z = hills();
    return z;
}

void no_setting() {}

void label_look() {
    lu_set_pen(12, 0, 1, 0);
    lu_set_font(0.3f, 0, 0, 0, 12, nullptr);
}

void labelled_contours() {
    lu_draw_contours(field().data(), kSide, kSide, LU_ROW_MAJOR, -3, -3, 3, 3, kLevels, kLevelCount,
                     1);
}

void plain_contours() {
    lu_draw_contours(field().data(), kSide, kSide, LU_ROW_MAJOR, -3, -3, 3, 3, kLevels, kLevelCount,
                     0);
}

void filled_contours() {
    lu_set_colour_map(LU_MAP_DIVERGING, -1.2f, 1.2f);
    lu_fill_contours(field().data(), kSide, kSide, LU_ROW_MAJOR, -3, -3, 3, 3, kLevels,
                     kLevelCount);
}

void arrows() {
    constexpr int kN = 12;
    std::vector<float> u, v;
    for (int i = 0; i < kN; ++i) {
        for (int j = 0; j < kN; ++j) {
            u.push_back(float(std::cos(0.5 * i) + 0.2));
            v.push_back(float(std::sin(0.4 * j)));
        }
    }
    lu_draw_vectors(u.data(), v.data(), kN, kN, LU_ROW_MAJOR, -3, -3, 3, 3, 0);
}

void triangle_arrows() {
    lu_set_arrow_style(LU_ARROW_TRIANGLE, 0, nullptr, nullptr, 1, 10);
}

// Filled heads of fixed size, and a key arrow with its value.
void keyed_arrows() {
    arrows();
    lu_draw_vector_key(-2.5f, 2.5f, 1, LU_KEY_WORLD);
}

void bar_look() {
    lu_set_font(0.3f, 0, 0, 0, 0, nullptr);
    lu_set_viewport(0.1f, 0.1f, 0.7f, 0.9f);
}

void map_bar() {
    lu_set_colour_map(LU_MAP_SEQUENTIAL, -1, 1.7f);
    lu_draw_colour_bar(0.03f, 0.05f, nullptr, 0);
}

void banded_bar() {
    lu_set_colour_map(LU_MAP_DIVERGING, -1.2f, 1.2f);
    lu_draw_colour_bar(0.03f, 0.05f, kLevels, kLevelCount);
}

// Bars on the other sides of the viewport, with caps and a title each; one above in a
// format of its own.
void bar_left() {
    lu_set_colour_map(LU_MAP_SEQUENTIAL, -1, 1.7f);
    lu_draw_colour_bar_at(LU_BAR_LEFT, 0.03f, 0.05f, kLevels, kLevelCount,
                          LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER, "depth (m)");
}

void bar_above() {
    lu_set_colour_map(LU_MAP_SEQUENTIAL, -1, 1.7f);
    lu_plot_set_number_format(LU_PLOT_BAR_NUMBERS, "%.2f");
    lu_draw_colour_bar_at(LU_BAR_ABOVE, 0.03f, 0.05f, nullptr, 0, LU_BAR_CAP_OVER, "above");
}

void bar_below() {
    lu_set_colour_map(LU_MAP_DIVERGING, -1.2f, 1.2f);
    lu_draw_colour_bar_at(LU_BAR_BELOW, 0.03f, 0.05f, kLevels, kLevelCount, LU_BAR_CAP_UNDER,
                          "below");
}

// A viewport with room on every side.
void small_view() {
    lu_set_font(0.3f, 0, 0, 0, 0, nullptr);
    lu_set_viewport(0.3f, 0.3f, 0.9f, 0.7f);
}

void capped_bar() {
    lu_set_colour_map(LU_MAP_SEQUENTIAL, -1, 1.7f);
    lu_set_colour_map_extremes(0x02000000 | 200, 0x02000000 | (200 << 16), -1);
    lu_draw_colour_bar_labelled(0.03f, 0.05f, kLevels, kLevelCount,
                                LU_BAR_CAP_UNDER | LU_BAR_CAP_OVER, "height (m)");
}

struct FieldScene {
    const char* name;
    void (*setting)();          // the pen, font and viewport the field operation draws with
    void (*draw)();             // the field operation
    std::size_t most_commands;  // through a window that takes batches, once it has been asked
    bool labelled = false;
    bool strip_as_bands = false;  // batched, a map's strip is bands of its colours
};

const FieldScene kScenes[] = {
    {"labelled_contours", label_look, labelled_contours, 2, true},  // the batch, the font upright
    {"plain_contours", no_setting, plain_contours, 1},
    {"filled_contours", no_setting, filled_contours, 1},
    {"arrows", no_setting, arrows, 1},
    {"keyed_arrows", triangle_arrows, keyed_arrows, 2},
    {"map_bar", bar_look, map_bar, 1, false, true},
    {"banded_bar", bar_look, banded_bar, 1},
    {"bar_left", small_view, bar_left, 1},
    {"bar_above", small_view, bar_above, 1, false, true},
    {"bar_below", small_view, bar_below, 1},
    {"capped_bar", bar_look, capped_bar, 1},
};

// A window of either kind with the panel set; the plot block and the font widths are
// asked for before the scene, as a program's first plot does once.
class FieldRoads {
  public:
    explicit FieldRoads(bool batches) : window_(640, 480, 96, batches) {
        reset_plot_state();
        current_colour_map() = ColourMap{};
        panel();
        labelled_contours();
        lu_send_command_b4();  // erases the window
        panel();
    }
    ~FieldRoads() {
        reset_plot_state();
        current_colour_map() = ColourMap{};
    }
    FieldRoads(const FieldRoads&) = delete;
    FieldRoads& operator=(const FieldRoads&) = delete;

    // Commands the scene's field operation took.
    std::size_t draw(const FieldScene& scene) {
        scene.setting();
        const std::size_t before = window_.commands();
        scene.draw();
        return window_.commands() - before;
    }
    luwnd::render::Picture picture() { return window_.picture(); }
    std::vector<DrawItem> items() { return items_drawn(window_.picture()); }
    std::string errors() const { return window_.errors(); }

  private:
    gallery::GalleryWindow window_;
};

TEST(FieldBatches, ASceneTakesAFewCommandsInsteadOfOneAPiece) {
    for (const FieldScene& scene : kScenes) {
        std::size_t batched = 0, one_by_one = 0;
        {
            FieldRoads window(true);
            batched = window.draw(scene);
            EXPECT_EQ(window.errors(), "") << scene.name;
        }
        {
            FieldRoads window(false);
            one_by_one = window.draw(scene);
        }
        EXPECT_LE(batched, scene.most_commands) << scene.name;
        EXPECT_GE(one_by_one, 5 * batched) << scene.name;
    }
}

// Line points as the batches carry them.
std::vector<plotcore::PointF> line_points(const luwnd::render::Picture& picture) {
    std::vector<plotcore::PointF> points;
    for (const auto& op : picture.items) {
        if (op.item.kind != ItemKind::kBatch) continue;
        for (const plotcore::Item& item : *op.item.batch)
            if (item.kind == plotcore::ItemKind::kPolyline ||
                item.kind == plotcore::ItemKind::kSegments ||
                item.kind == plotcore::ItemKind::kPolygon)
                points.insert(points.end(), item.points.begin(), item.points.end());
    }
    return points;
}

TEST(FieldBatches, ContoursFillsAndArrowsKeepTheirFractionsOfAPixel) {
    for (void (*draw)() : {plain_contours, filled_contours, arrows}) {
        FieldRoads window(true);
        draw();
        ASSERT_EQ(window.errors(), "");
        const std::vector<plotcore::PointF> points = line_points(window.picture());
        ASSERT_GT(points.size(), 50u);
        std::size_t off_grid = 0;
        // A device pixel's centre is at .5: anything else did not come from whole pixels.
        for (plotcore::PointF p : points)
            for (float v : {p.x, p.y}) off_grid += std::fabs(v - std::floor(v) - 0.5f) > 1e-3f;
        EXPECT_GT(off_grid, points.size()) << "of " << 2 * points.size();
    }
}

// Every item of one kind in drawing order; lines flattened into one run of points, since
// the batches join two-point lines of one pen into one item of segments.
struct Drawn {
    std::vector<int> line_points, polygon_points, boxes, images;
    std::vector<std::size_t> polygon_sizes;
    std::vector<std::uint32_t> fills;
    std::vector<std::string> texts;
    std::vector<int> text_anchors;
};

Drawn drawn(const std::vector<DrawItem>& items) {
    Drawn d;
    for (const DrawItem& item : items) {
        switch (item.kind) {
            case ItemKind::kPolyline:
                d.line_points.insert(d.line_points.end(), item.points.begin(), item.points.end());
                break;
            case ItemKind::kLine:
                d.line_points.insert(d.line_points.end(), item.coords.begin(),
                                     item.coords.begin() + 4);
                break;
            case ItemKind::kBox21: {
                const auto& c = item.coords;
                d.line_points.insert(d.line_points.end(),
                                     {c[0], c[1], c[2], c[1], c[2], c[3], c[0], c[3], c[0], c[1]});
                break;
            }
            case ItemKind::kPolygon:
                d.polygon_points.insert(d.polygon_points.end(), item.points.begin(),
                                        item.points.end());
                d.polygon_sizes.push_back(item.points.size());
                break;
            case ItemKind::kBox22:
                d.boxes.insert(d.boxes.end(), item.coords.begin(), item.coords.begin() + 4);
                break;
            case ItemKind::kImage:
                d.images.insert(d.images.end(), item.coords.begin(), item.coords.begin() + 4);
                break;
            case ItemKind::kText:
                d.texts.push_back(item.text);
                d.text_anchors.push_back(item.coords[0]);
                d.text_anchors.push_back(item.coords[1]);
                break;
            default:
                break;
        }
    }
    return d;
}

void expect_near_all(const std::vector<int>& a, const std::vector<int>& b, int within,
                     const std::string& what) {
    ASSERT_EQ(a.size(), b.size()) << what;
    int worst = 0;
    std::size_t at = 0;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (std::abs(a[k] - b[k]) > worst) at = k;
        worst = std::max(worst, std::abs(a[k] - b[k]));
    }
    EXPECT_LE(worst, within) << what << " at value " << at;
}

// The farthest any point of a (x, y pairs) lies from the nearest point of b, in pixels
// along either axis.
int farthest(const std::vector<int>& a, const std::vector<int>& b) {
    int worst = 0;
    for (std::size_t i = 0; i + 1 < a.size(); i += 2) {
        int nearest = INT32_MAX;
        for (std::size_t k = 0; k + 1 < b.size(); k += 2)
            nearest =
                std::min(nearest, std::max(std::abs(a[i] - b[k]), std::abs(a[i + 1] - b[k + 1])));
        worst = std::max(worst, nearest);
    }
    return worst;
}

// Boxes (x0, y0 at the band's start, x1, y1 at its end) as they show when drawn in order:
// a band that reaches over the next shows up to where the next begins, along y in an
// upright bar, along x in one lying above or below.
std::vector<int> visible_bands(const std::vector<int>& boxes) {
    std::vector<int> shown = boxes;
    const bool lying = boxes.size() >= 8 && boxes[0] != boxes[4];
    const std::size_t end = lying ? 2 : 3;
    for (std::size_t k = 0; k + 7 < boxes.size(); k += 4) shown[k + end] = boxes[k + end + 2];
    return shown;
}

// The rectangle that boxes cover together: left, top, right, bottom.
std::vector<int> extent(const std::vector<int>& boxes) {
    std::vector<int> e = {INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
    for (std::size_t k = 0; k + 1 < boxes.size(); k += 2) {
        e[0] = std::min(e[0], boxes[k]);
        e[1] = std::min(e[1], boxes[k + 1]);
        e[2] = std::max(e[2], boxes[k]);
        e[3] = std::max(e[3], boxes[k + 1]);
    }
    return e;
}

// The batches place each point from the same world position at full precision, the
// drawing operations on the nearest pixel: the two meet within a pixel (labels, measured
// from the cached widths rather than by the window, within a few). A map's strip, a
// picture of one column there, is drawn as bands of its colours here.
TEST(FieldBatches, BothRoadsDrawTheSame) {
    for (const FieldScene& scene : kScenes) {
        Drawn batched, one_by_one;
        {
            FieldRoads window(true);
            window.draw(scene);
            batched = drawn(window.items());
        }
        {
            FieldRoads window(false);
            window.draw(scene);
            one_by_one = drawn(window.items());
        }
        const std::string name = scene.name;
        const bool labelled = scene.labelled;
        if (labelled) {
            // The gaps for the labels end a little apart: the lines lie on each other.
            EXPECT_LE(farthest(batched.line_points, one_by_one.line_points), 2) << name;
            EXPECT_LE(farthest(one_by_one.line_points, batched.line_points), 2) << name;
            EXPECT_NEAR(double(batched.line_points.size()), double(one_by_one.line_points.size()),
                        0.02 * double(one_by_one.line_points.size()))
                << name;
        } else {
            expect_near_all(batched.line_points, one_by_one.line_points, 1, name + " lines");
        }
        expect_near_all(batched.polygon_points, one_by_one.polygon_points, 1, name + " polygons");
        EXPECT_EQ(batched.polygon_sizes, one_by_one.polygon_sizes) << name;
        if (scene.strip_as_bands) {
            ASSERT_EQ(one_by_one.images.size(), 4u) << name;
            EXPECT_TRUE(one_by_one.boxes.empty()) << name;
            EXPECT_TRUE(batched.images.empty()) << name;
            EXPECT_GE(batched.boxes.size(), 4u * 100) << name << ": too few bands";
            EXPECT_LE(batched.boxes.size(), 4u * 253) << name;
            expect_near_all(extent(batched.boxes), extent(one_by_one.images), 1, name + " strip");
        } else {
            expect_near_all(visible_bands(batched.boxes), one_by_one.boxes, 1, name + " boxes");
            expect_near_all(batched.images, one_by_one.images, 1, name + " pictures");
        }
        EXPECT_EQ(batched.texts, one_by_one.texts) << name;
        expect_near_all(batched.text_anchors, one_by_one.text_anchors, labelled ? 3 : 1,
                        name + " texts");
    }
}

// Caps under and over the range in the map's extremes and the title beyond the numbers,
// on either road; caps that are no sum of the two are refused.
TEST(FieldBatches, ACappedBarHasItsCapsAndTitle) {
    const FieldScene& scene = kScenes[std::size(kScenes) - 1];
    ASSERT_STREQ(scene.name, "capped_bar");
    for (bool batches : {true, false}) {
        FieldRoads window(batches);
        window.draw(scene);
        const Drawn d = drawn(items_drawn(window.picture()));
        EXPECT_EQ(std::count(d.polygon_sizes.begin(), d.polygon_sizes.end(), 6u), 2)
            << "two triangles (x, y pairs) " << batches;
        ASSERT_FALSE(d.texts.empty());
        EXPECT_EQ(d.texts.back(), "height (m)") << batches;
        int rightmost_number = 0;
        for (std::size_t k = 0; k + 1 < d.texts.size(); ++k)
            rightmost_number = std::max(rightmost_number, d.text_anchors[2 * k]);
        EXPECT_GT(d.text_anchors[2 * (d.texts.size() - 1)], rightmost_number) << batches;
        EXPECT_EQ(lu_draw_colour_bar_labelled(0.03f, 0.05f, nullptr, 0, 4, "x"), 0);
    }
}

// Beside a plot frame with room, a bar left of the box stands left of the y label and one
// below it below the x label, however wide the numbers: the gap counts from beyond them.
// The drawing operations put the bars' texts where the batches do.
TEST(FieldBatches, BarsLeftAndBelowAFrameClearItsNumbersAndLabels) {
    const auto draw = [](bool batches) {
        gallery::GalleryWindow window(640, 480, 96, batches);
        reset_plot_state();
        current_colour_map() = ColourMap{};
        EXPECT_NE(lu_plot_frame(-3, 3, -12345, 12345, LU_PLOT_ROOM_LEFT | LU_PLOT_ROOM_BELOW), 0);
        EXPECT_NE(lu_plot_labels("x label", "y label", ""), 0);
        lu_set_colour_map(LU_MAP_SEQUENTIAL, -1, 1.7f);
        EXPECT_NE(lu_draw_colour_bar_at(LU_BAR_LEFT, 0.01f, 0.04f, nullptr, 0, 0, "left"), 0);
        EXPECT_NE(lu_draw_colour_bar_at(LU_BAR_BELOW, 0.01f, 0.04f, kLevels, kLevelCount, 0, "low"),
                  0);
        EXPECT_EQ(window.errors(), "");
        const double h = plot_state(window.number()).frame.text_height;
        std::vector<plotcore::Item> layout_and_texts;
        for (const auto& op : window.picture().items) {
            if (op.item.kind != ItemKind::kBatch) continue;
            for (const plotcore::Item& item : *op.item.batch)
                if (item.kind == plotcore::ItemKind::kBeside ||
                    item.kind == plotcore::ItemKind::kText)
                    layout_and_texts.push_back(item);
        }
        const Drawn d = drawn(items_drawn(window.picture()));
        reset_plot_state();
        current_colour_map() = ColourMap{};
        return std::tuple{layout_and_texts, d, h};
    };
    const auto [items, batched, h] = draw(true);
    const auto text_at = [&items = items](const std::string& text) {
        for (const plotcore::Item& i : items)
            if (i.kind == plotcore::ItemKind::kText && i.text.bytes == text) return i.points[0];
        ADD_FAILURE() << "no text " << text;
        return plotcore::PointF{};
    };
    const plotcore::PointF y_label = text_at("y label"), x_label = text_at("x label");
    int strips = 0;
    for (const plotcore::Item& i : items) {
        if (i.kind != plotcore::ItemKind::kBeside) continue;
        ++strips;
        const plotcore::BoxF& box = i.source.box;
        if (i.source.side == LU_BAR_LEFT) {
            // The y label reads upward with its foot on its anchor: it reaches a line left.
            EXPECT_LT(box.right, y_label.x - 1.2 * h) << "left strip on the y label";
        } else {
            ASSERT_EQ(i.source.side, LU_BAR_BELOW);
            EXPECT_GT(box.top, x_label.y + 1.2 * h) << "strip below on the x label";
            EXPECT_LT(box.left, box.right);
        }
    }
    EXPECT_EQ(strips, 2);
    const Drawn one_by_one = std::get<1>(draw(false));
    EXPECT_EQ(batched.texts, one_by_one.texts);
    expect_near_all(batched.text_anchors, one_by_one.text_anchors, 2, "texts");
}

// Refused, each with its cause: a side that is none of the four, sizes that are no sizes,
// caps that are no sum of the two; nothing is drawn.
TEST(FieldBatches, ABarOnNoSideOrOfNoSizeIsRefusedWithItsCause) {
    gallery::GalleryWindow window(640, 480, 96, true);
    reset_plot_state();
    panel();
    const std::size_t before = window.commands();
    const struct {
        int side;
        float gap, width;
        int caps;
        const char* cause;
    } refused[] = {
        {0, 0.02f, 0.04f, 0, "lu_draw_colour_bar_at: the side 0 is none of LU_BAR_RIGHT"},
        {5, 0.02f, 0.04f, 0, "lu_draw_colour_bar_at: the side 5 is none"},
        {LU_BAR_LEFT, 0.02f, 0, 0, "lu_draw_colour_bar_at: the gap 0.02 and width 0"},
        {LU_BAR_ABOVE, NAN, 0.04f, 0, "must be finite numbers"},
        {LU_BAR_BELOW, 0.02f, 0.04f, 4, "lu_draw_colour_bar_at: caps 4 is not a sum"},
    };
    for (const auto& r : refused) {
        EXPECT_EQ(lu_draw_colour_bar_at(r.side, r.gap, r.width, nullptr, 0, r.caps, "t"), 0)
            << r.cause;
        EXPECT_NE(window.errors().find(r.cause), std::string::npos) << r.cause << " in:\n"
                                                                    << window.errors();
    }
    EXPECT_EQ(window.commands(), before) << "nothing sent";
    int result = -1;
    const int side = 9, count = 0, caps = 0;
    const float gap = 0.02f, width = 0.04f;
    EXPECT_EQ(lu_draw_colour_bar_at_(&result, &side, &gap, &width, nullptr, &count, &caps, "t", 1),
              0);
    EXPECT_EQ(result, 0);
    reset_plot_state();
}

// Drawn with the drawing operations beside a plot frame, the bar's numbers take the
// frame's text height: set in the bar's world of values 0 ... 1, that height is a few
// hundredths of a unit, which must not be rounded up to a whole one.
TEST(FieldBatches, BarNumbersWithoutBatchesTakeTheFramesTextHeight) {
    gallery::GalleryWindow window(640, 480, 96, false);
    reset_plot_state();
    current_colour_map() = ColourMap{};
    ASSERT_NE(lu_plot_frame(0, 1, 0, 1, LU_PLOT_ROOM_RIGHT), 0);
    const int frame_text = static_cast<int>(plot_state(window.number()).frame.text_height);
    ASSERT_NE(lu_set_colour_map(LU_MAP_SEQUENTIAL, 0, 1), 0);
    ASSERT_NE(lu_draw_colour_bar(0.03f, 0.05f, nullptr, 0), 0);
    const std::vector<DrawItem> items = items_drawn(window.picture());
    ASSERT_FALSE(items.empty());
    const DrawItem& last_number = *std::find_if(
        items.rbegin(), items.rend(), [](const DrawItem& d) { return d.kind == ItemKind::kText; });
    EXPECT_EQ(last_number.text, "1.0");
    EXPECT_NEAR(last_number.font.size, frame_text, 2);
    reset_plot_state();
}

}  // namespace
}  // namespace lumora::plot
