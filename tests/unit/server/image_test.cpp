// Pictures: announced with 'B' 60 (header in the text area), sent in order with 'B' 61,
// completed with 'B' 62 or abandoned with 'B' 63.
#include <filesystem>
#include <fstream>

#include "core_fixture.h"
#include "server/core/image_transfer.h"

namespace luwnd::test {
namespace {

class ImageTest : public CoreFixture {
  protected:
    void SetUp() override {
        CoreFixture::SetUp();
        ASSERT_EQ(open(), 1);
    }
    // Writes the header; colours are the palette of an indexed picture.
    std::int32_t announce(std::int32_t format, std::int32_t width, std::int32_t height,
                          const std::vector<std::int32_t>& colours = {}, std::int32_t smooth = 0,
                          std::vector<std::int32_t> corners = {10, 20, 110, 70}) {
        std::vector<std::int32_t> header = {format,
                                            smooth,
                                            corners[0],
                                            corners[1],
                                            corners[2],
                                            corners[3],
                                            static_cast<std::int32_t>(colours.size()),
                                            0};
        header.insert(header.end(), colours.begin(), colours.end());
        words(1, layout::kText, header);
        return slot('B', 1, 60, width, height);
    }
    std::int32_t chunk(std::int32_t offset, const std::vector<std::uint8_t>& bytes) {
        std::memcpy(window_block(1) + layout::kText, bytes.data(), bytes.size());
        return slot('B', 1, 61, offset, static_cast<std::int32_t>(bytes.size()));
    }
    // Sends the bytes in chunks of at most 2048, in order; false at the first refusal.
    bool send_all(const std::vector<std::uint8_t>& bytes) {
        for (std::size_t off = 0; off < bytes.size(); off += 2048) {
            std::size_t n = std::min<std::size_t>(2048, bytes.size() - off);
            std::vector<std::uint8_t> part(bytes.begin() + off, bytes.begin() + off + n);
            if (chunk(static_cast<std::int32_t>(off), part) == 0) return false;
        }
        return true;
    }
    const DrawItem* last_item() { return items(1).empty() ? nullptr : &items(1).back(); }
};

TEST_F(ImageTest, WholeRgbPictureBecomesOneItemWithItsPixels) {
    ASSERT_EQ(announce(kImageRgb, 2, 2, {}, 1), 1);
    EXPECT_EQ(chunk(0, {255, 0, 0, 0, 255, 0, 0, 0, 255, 1, 2, 3}), 1);
    EXPECT_EQ(slot('B', 1, 62), 1);
    const DrawItem* item = last_item();
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->kind, ItemKind::kImage);
    EXPECT_EQ(item->arg1, 1);
    EXPECT_EQ((std::vector<std::int32_t>(item->coords.begin(), item->coords.begin() + 4)),
              (std::vector<std::int32_t>{10, 20, 110, 70}));
    ASSERT_TRUE(item->image);
    EXPECT_EQ(item->image->rgb,
              (std::vector<std::uint32_t>{0xFF0000, 0x00FF00, 0x0000FF, 0x010203}));
    EXPECT_EQ(state(1).display.image_pixels(), 4u);
}

TEST_F(ImageTest, IndexedPictureResolvesItsColoursAndLargeOnesTakeManyChunks) {
    // An RGB colour value, a colour entry (2 is red) and a palette colour (1 white).
    ASSERT_EQ(announce(kImageIndexed, 100, 50, {0x02030201, 2, 0x01000001}), 1);
    std::vector<std::uint8_t> indices(5000);
    for (std::size_t i = 0; i < indices.size(); ++i) indices[i] = static_cast<std::uint8_t>(i % 4);
    ASSERT_TRUE(send_all(indices));
    EXPECT_EQ(slot('B', 1, 62), 1);
    ASSERT_NE(last_item(), nullptr);
    const auto& rgb = last_item()->image->rgb;
    ASSERT_EQ(rgb.size(), 5000u);
    // Index 3 lies beyond the three colours: black.
    EXPECT_EQ((std::vector<std::uint32_t>(rgb.begin(), rgb.begin() + 4)),
              (std::vector<std::uint32_t>{0x010203, 0xFF0000, 0xFFFFFF, 0x000000}));
    EXPECT_EQ(rgb[4997], 0xFF0000u);
}

TEST_F(ImageTest, ChunksOutOfOrderAreRefused) {
    EXPECT_EQ(chunk(0, {1, 2, 3}), 0);  // nothing announced
    EXPECT_EQ(slot('B', 1, 62), 0);
    ASSERT_EQ(announce(kImageIndexed, 4000, 1, {0}), 1);
    std::vector<std::uint8_t> part(2048, 0);
    EXPECT_EQ(chunk(2048, part), 0);  // the second chunk first
    EXPECT_EQ(chunk(0, part), 1);
    EXPECT_EQ(chunk(0, part), 0);  // the first one again
    EXPECT_EQ(chunk(1000, part), 0);
    EXPECT_EQ(chunk(2048, std::vector<std::uint8_t>(1952, 0)), 1);
    EXPECT_EQ(slot('B', 1, 62), 1);
}

TEST_F(ImageTest, OversizedAnnouncementsAndChunksAreRefusedBeforeAnyAllocation) {
    EXPECT_EQ(announce(kImageRgb, 8193, 1), 0);
    EXPECT_EQ(announce(kImageRgb, 0, 10), 0);
    EXPECT_EQ(announce(kImageRgb, 10, -1), 0);
    EXPECT_EQ(announce(kImageRgb, 8192, 8192), 0);  // above 16M pixels
    EXPECT_EQ(announce(3, 10, 10), 0);              // unknown format
    EXPECT_EQ(announce(kImageRgb, 10, 10, {}, 2), 0);
    EXPECT_EQ(announce(kImageIndexed, 10, 10), 0);  // no colours
    std::vector<std::int32_t> too_many(257, 0);
    EXPECT_EQ(announce(kImageIndexed, 10, 10, too_many), 0);
    EXPECT_EQ(announce(kImageRgb, 10, 10, {7}), 0);          // colours with RGB
    EXPECT_EQ(chunk(0, {1}), 0);                             // none of them started a transfer
    ASSERT_EQ(announce(kImageIndexed, 4096, 4096, {0}), 1);  // 16M pixels exactly
    EXPECT_EQ(slot('B', 1, 61, 0, 2049), 0);                 // longer than the text area
    EXPECT_EQ(slot('B', 1, 61, 0, 0), 0);
    EXPECT_EQ(slot('B', 1, 63), 1);
    ASSERT_EQ(announce(kImageRgb, 2, 1), 1);
    EXPECT_EQ(chunk(0, {1, 2, 3, 4, 5, 6, 7}), 0);  // past the picture's 6 bytes
}

TEST_F(ImageTest, PicturesCutShortOrAbandonedDrawNothing) {
    ASSERT_EQ(announce(kImageRgb, 2, 2), 1);
    EXPECT_EQ(chunk(0, {1, 2, 3, 4, 5, 6}), 1);
    EXPECT_EQ(slot('B', 1, 62), 0);  // six of twelve bytes
    EXPECT_EQ(slot('B', 1, 62), 0);  // the transfer ended with it
    EXPECT_TRUE(items(1).empty());
    ASSERT_EQ(announce(kImageRgb, 1, 1), 1);
    EXPECT_EQ(slot('B', 1, 63), 1);
    EXPECT_EQ(slot('B', 1, 63), 0);
    EXPECT_EQ(chunk(0, {1, 2, 3}), 0);
    EXPECT_TRUE(items(1).empty());
    // A new announcement drops the unfinished picture.
    ASSERT_EQ(announce(kImageRgb, 1, 1), 1);
    EXPECT_EQ(chunk(0, {1, 2}), 1);
    ASSERT_EQ(announce(kImageRgb, 1, 1), 1);
    EXPECT_EQ(chunk(2, {3}), 0);
    EXPECT_EQ(chunk(0, {9, 8, 7}), 1);
    EXPECT_EQ(slot('B', 1, 62), 1);
    EXPECT_EQ(last_item()->image->rgb[0], 0x090807u);
}

TEST_F(ImageTest, PicturePixelsAreBoundedPerWindowAndFreedWithTheirItems) {
    std::vector<std::uint8_t> indices(static_cast<std::size_t>(4096) * 4096, 1);
    for (int k = 0; k < 2; ++k) {
        ASSERT_EQ(announce(kImageIndexed, 4096, 4096, {0}), 1) << k;
        ASSERT_TRUE(send_all(indices));
        ASSERT_EQ(slot('B', 1, 62), 1);
    }
    // 32M pixels are held: a third picture finds no room.
    EXPECT_EQ(announce(kImageIndexed, 1, 1, {0}), 0);
    EXPECT_EQ(slot('B', 1, 26, 1), 1);  // removes the last item
    EXPECT_EQ(state(1).display.image_pixels(), std::size_t{4096} * 4096);
    EXPECT_EQ(announce(kImageIndexed, 1, 1, {0}), 1);
}

TEST_F(ImageTest, ClientGoingAwayDropsTheUnfinishedPicture) {
    ASSERT_EQ(announce(kImageRgb, 1, 1), 1);
    EXPECT_EQ(chunk(0, {1, 2}), 1);
    core_->client_gone();
    EXPECT_EQ(chunk(2, {3}), 0);
}

}  // namespace
}  // namespace luwnd::test
