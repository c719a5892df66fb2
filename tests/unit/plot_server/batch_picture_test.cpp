// The picture a host keeps follows plot elements replaced or continued in the middle of
// the display list, and counts such changes so that a screen paints everything again.
#include "plot_fixture.h"
#include "server/render/window_pictures.h"

namespace luwnd::test {
namespace {

class BatchPictureTest : public PlotFixture {
  protected:
    void SetUp() override {
        PlotFixture::SetUp();
        ASSERT_EQ(make_block(), 1);
        sync();
    }
    void draw(float x, std::int32_t h = 0, std::int32_t c = 0) {
        ASSERT_EQ(send_batch({line(x, 0)}, h, c), 1);
        sync();
    }
    void sync() { pictures_.after_command(*core_); }
    const render::Picture& picture() { return pictures_.open().at(1); }
    std::vector<std::uint64_t> serials() {
        std::vector<std::uint64_t> out;
        for (const render::PaintItem& op : picture().items) out.push_back(op.item.serial);
        return out;
    }
    std::vector<std::uint64_t> core_serials() {
        std::vector<std::uint64_t> out;
        for (const DrawItem& item : items(1)) out.push_back(item.serial);
        return out;
    }
    render::WindowPictures pictures_;
};

TEST_F(BatchPictureTest, FollowsElementsReplacedInTheMiddle) {
    draw(1);
    draw(2, 5);
    draw(3);
    EXPECT_EQ(serials(), core_serials());
    EXPECT_EQ(picture().rewrites, 0u);
    draw(4, 5);
    EXPECT_EQ(serials(), core_serials());
    EXPECT_EQ(picture().items[1].item.batch, items(1)[1].batch);
    EXPECT_EQ(picture().rewrites, 1u);
    draw(5, 5, 1);
    ASSERT_EQ(picture().items.size(), 4u);
    EXPECT_EQ(serials(), core_serials());
    EXPECT_EQ(picture().rewrites, 2u);
    draw(6);
    EXPECT_EQ(picture().rewrites, 2u) << "added at the end";
    ASSERT_EQ(slot('B', 1, plotcore::kRemoveElement, 5), 1);
    sync();
    EXPECT_EQ(serials(), core_serials());
    EXPECT_EQ(picture().rewrites, 3u);
    ASSERT_EQ(slot('B', 1, 26, 1), 1);
    sync();
    EXPECT_EQ(serials(), core_serials());
    EXPECT_EQ(picture().rewrites, 4u);
}

}  // namespace
}  // namespace luwnd::test
