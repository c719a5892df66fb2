// Markers of every type, size and colour, and texts in every alignment, angle and style.
#include <array>

#include "client/include/lumora.h"
#include "scenes.h"

namespace lumora::gallery {
namespace {

constexpr int kBlack = 0, kRed = 2, kBlue = 4, kMagenta = 6, kDarkGreen = 11, kNavy = 12;

// One row of markers 0 .. 6: its height, size, colour, fill and line width.
struct MarkerRow {
    float y, size;
    int colour, fill, width;
};

// The nine alignment anchors, in world coordinates: alignment a sits at column a % 3 and
// row a / 3, so that each text hangs off its anchor the way its alignment says.
constexpr std::array<float, 3> kAnchorX = {50, 160, 270};
constexpr std::array<float, 3> kAnchorY = {200, 150, 100};
constexpr float kTextHeight = 16;

struct TextAt {
    float x, y;
    const char* text;
};

}  // namespace

void draw_markers(const Tweak&) {
    use_page_world();
    const MarkerRow rows[] = {
        {215, 5, kBlack, 0, 0},     {180, 11, kRed, 0, 0}, {135, 21, kBlue, 1, 0},
        {80, 21, kDarkGreen, 0, 3}, {30, 15, kNavy, 1, 0},
    };
    for (const MarkerRow& row : rows) {
        lu_set_pen(row.colour, 0, 0, 0);
        for (int type = 0; type <= 6; ++type) {
            lu_set_marker(type, row.size, -1, row.fill, row.width);
            lu_draw_marker(25.0f + 45.0f * float(type), row.y);
        }
    }
    // The marker colour overrides the pen's until it follows the pen again.
    lu_send_command_a18(kMagenta);
    lu_set_marker(5, 9, -1, 1, 0);
    lu_draw_marker(295, 55);
    lu_send_command_a18(-1);
    lu_draw_marker(295, 5);
}

void draw_texts(const Tweak& tweak) {
    use_page_world();
    for (int a = 0; a <= 8; ++a) {
        const float x = kAnchorX[std::size_t(a % 3)], y = kAnchorY[std::size_t(a / 3)];
        lu_set_pen(kRed, 0, 0, 0);
        lu_set_marker(1, 7, -1, 0, 0);
        lu_draw_marker(x, y);
        const int alignment = tweak.realign && a == 4 ? 3 : a;
        lu_set_font(kTextHeight, 0, alignment, 0, kBlack, nullptr);
        lu_draw_text(x, y, "Lumora");
    }
    lu_set_font(kTextHeight, 0.125f, 0, 0, kBlue, nullptr);
    lu_draw_text(24, 20, "Rotated 45");
    lu_set_font(kTextHeight, 0.25f, 0, 0, kDarkGreen, nullptr);
    lu_draw_text(292, 20, "Upward");
    // Bold, italic, underline and strikeout, centred on their baseline; the first with
    // Latin-1 letters.
    const TextAt styled[] = {{140, 40,
                              "Gr\xF6\xDF"
                              "e"},
                             {190, 40, "Italic"},
                             {240, 40, "Under"},
                             {190, 15, "Strike"}};
    const int styles[] = {1, 2, 4, 8};
    for (int i = 0; i < 4; ++i) {
        lu_set_font(14, 0, 4, styles[i], kNavy, nullptr);
        lu_draw_text(styled[i].x, styled[i].y, styled[i].text);
    }
}

std::vector<Region> text_regions() {
    std::vector<Region> regions;
    constexpr int kPage = 240;
    for (int a = 0; a <= 8; ++a) {
        const int x = int(kAnchorX[std::size_t(a % 3)]),
                  y = kPage - int(kAnchorY[std::size_t(a / 3)]);
        const int h = int(kTextHeight);
        const int left = a % 3 == 0 ? x - 4 : a % 3 == 1 ? x - 40 : x - 76;
        const int top = a / 3 == 0 ? y - 4 : a / 3 == 1 ? y - h - 2 : y - h - 6;
        regions.push_back({left, top, left + 80, top + h + 10});
    }
    regions.push_back({20, 140, 110, 224});   // rotated
    regions.push_back({284, 140, 316, 224});  // upward
    regions.push_back({110, 180, 270, 206});  // styles, upper row
    regions.push_back({160, 208, 220, 230});  // styles, lower row
    return regions;
}

}  // namespace lumora::gallery
