// Pictures from the program to the window process: the commands, the chunks and the
// pixels that arrive.
#include "client/plot/colour_maps.h"
#include "server/core/core.h"
#include "tests/unit/arrays/arrays_fixture.h"

namespace lumora::test {
namespace {

using ImagesTest = ArraysTest;

std::vector<std::pair<int, int>> image_chunks(const std::vector<platform::Delivery>& d,
                                              std::size_t from) {
    std::vector<std::pair<int, int>> out;
    for (std::size_t i = from; i < d.size(); ++i)
        if (d[i].bytes.at(0) == 'B' && d[i].param1 == 61)
            out.emplace_back(d[i].param2, d[i].param3);
    return out;
}

TEST_F(ImagesTest, AnRgbPictureTravelsInOrderedChunksAndDraws) {
    // Pixel k: red 3k, green 3k + 1, blue 3k + 2 (low bytes), as an RGB colour value.
    std::vector<int> pixels(40 * 30);
    for (std::size_t k = 0; k < pixels.size(); ++k) {
        auto b = [&](std::size_t c) { return static_cast<int>(((3 * k + c) * 7) & 0xFF); };
        pixels[k] = 0x02000000 | b(0) | b(1) << 8 | b(2) << 16;
    }
    std::size_t from = fake().deliveries.size();
    // World (1, 2) .. (3, 1) in the fixture's state: device (60, 480) .. (180, 540).
    EXPECT_EQ(lu_draw_image_rgb(40, 30, pixels.data(), 1, 2, 3, 1, 1), window());
    Commands sent = commands_since(from);
    ASSERT_EQ(sent.size(), 1u + 2 + 1);
    EXPECT_EQ(sent.front(), (std::pair<char, int>{'B', 60}));
    EXPECT_EQ(sent.back(), (std::pair<char, int>{'B', 62}));
    EXPECT_EQ(image_chunks(fake().deliveries, from),
              (std::vector<std::pair<int, int>>{{0, 2046}, {2046, 1554}}));
    const auto& items = fake().core()->window_state(window())->display.items();
    ASSERT_FALSE(items.empty());
    const luwnd::DrawItem& item = items.back();
    ASSERT_EQ(item.kind, luwnd::ItemKind::kImage);
    EXPECT_EQ((std::array<std::int32_t, 4>{item.coords[0], item.coords[1], item.coords[2],
                                           item.coords[3]}),
              (std::array<std::int32_t, 4>{60, 480, 180, 540}));
    EXPECT_EQ(item.arg1, 1);
    ASSERT_EQ(item.image->rgb.size(), 1200u);
    EXPECT_EQ(item.image->rgb[1], (std::uint32_t{21} << 16) | (28u << 8) | 35u);
}

TEST_F(ImagesTest, RefusedArgumentsSendNothing) {
    const int pixel[1] = {0x02030201};
    const int colours[1] = {0x02FFFFFF};
    std::size_t from = fake().deliveries.size();
    EXPECT_EQ(lu_draw_image_rgb(0, 1, pixel, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(lu_draw_image_rgb(1, 1, nullptr, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(lu_draw_image_indexed(1, 1, pixel, colours, 0, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(lu_draw_image_indexed(1, 1, pixel, colours, 257, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(lu_draw_image_indexed(1, 1, pixel, nullptr, 1, 0, 0, 1, 1, 0), 0);
    EXPECT_EQ(fake().deliveries.size(), from);
    // The window process refuses a picture too large: only the announce goes.
    std::vector<int> none(1);
    EXPECT_EQ(
        lu_draw_image_indexed_in_window(window(), 9000, 1, none.data(), colours, 1, 0, 0, 1, 1, 0),
        0);
    EXPECT_EQ(commands_since(from), (Commands{{'B', 60}}));
}

TEST_F(ImagesTest, ARefusedChunkAbandonsThePicture) {
    std::vector<int> indices(5000, 0);
    const int colours[1] = {0x020000FF};
    std::size_t from = fake().deliveries.size();
    // The second chunk is refused.
    fake().results = {window(), window(), 0};
    EXPECT_EQ(lu_draw_image_indexed_in_window(window(), 100, 50, indices.data(), colours, 1, 0, 0,
                                              100, 50, 0),
              0);
    EXPECT_EQ(commands_since(from), (Commands{{'B', 60}, {'B', 61}, {'B', 61}, {'B', 63}}));
}

TEST_F(ImagesTest, ReferenceFormsTakeTheirArgumentsByAddress) {
    const int indices[4] = {0, 1, 257, 0};  // 257: its low byte, 1
    const int colours[2] = {0x02000000, 0x02FFFFFF};
    int result = -1, w = 2, h = 2, count = 2, smooth = 5;
    float x1 = 0, y1 = 0, x2 = 1, y2 = 1;
    EXPECT_EQ(lu_draw_image_indexed_(&result, &w, &h, indices, colours, &count, &x1, &y1, &x2, &y2,
                                     &smooth),
              window());
    EXPECT_EQ(result, window());
    const luwnd::DrawItem& item = fake().core()->window_state(window())->display.items().back();
    EXPECT_EQ(item.arg1, 1);  // a logical: nonzero is bilinear
    EXPECT_EQ(item.image->rgb, (std::vector<std::uint32_t>{0, 0xFFFFFF, 0xFFFFFF, 0}));
}

}  // namespace
}  // namespace lumora::test
