// Markers: the size conversion, the stored attributes and the change bits the window
// process sees when 'A' 6 arrives, reading them back, drawing, and 'A' 18.
#include "arrays_fixture.h"

namespace lumora::test {
namespace {

class MarkersTest : public ArraysTest {
  protected:
    void SetUp() override {
        ArraysTest::SetUp();
        DrawingState s;
        s.y_scale = -400.0f;  // mirrored y
        set_state(s);
        store(0, 0, 0, 0, 0);
        reply = [this](std::uint8_t* b, const platform::Delivery&) {
            changed.push_back(layout::read_i32(b, layout::kChanged));
        };
    }

    void store(int type, int size, int c, int e, int f) {
        layout::write_i32(block(), layout::kMarkerType, type);
        layout::write_i32(block(), layout::kMarkerSize, size);
        layout::write_i32(block(), layout::kMarkerAttr1, c);
        layout::write_i32(block(), layout::kMarkerAttr2, e);
        layout::write_i32(block(), layout::kMarkerAttr3, f);
        layout::write_i32(block(), layout::kChanged, 0);
    }

    std::array<std::int32_t, 5> stored() {
        return {i32(layout::kMarkerType), i32(layout::kMarkerSize), i32(layout::kMarkerAttr1),
                i32(layout::kMarkerAttr2), i32(layout::kMarkerAttr3)};
    }

    // The change mask as the window process saw it at the last command.
    std::int32_t last_mask() { return changed.empty() ? -1 : changed.back(); }

    std::vector<std::int32_t> changed;
};

using Marker = std::array<std::int32_t, 5>;

TEST_F(MarkersTest, SizeIsScaledForFiguresAndTruncatedForTypeZero) {
    answer(3);
    EXPECT_EQ(lu_set_marker(3, 0.1f, -1, -1, -1), window());
    EXPECT_EQ(stored(), (Marker{3, 40, 0, 0, 0}));
    EXPECT_EQ(last_mask(), 0x80 | 0x100);
    EXPECT_EQ(fake().deliveries.back().param1, 6);

    store(0, 0, 0, 0, 0);
    EXPECT_EQ(lu_set_marker(0, 5.9f, -1, -1, -1), window());
    EXPECT_EQ(stored(), (Marker{0, 5, 0, 0, 0}));
    EXPECT_EQ(last_mask(), 0x100);

    // A kept type that is 0 keeps the size a plain count.
    int result = 99;
    const int keep = -1;
    const float size = 7.5f;
    EXPECT_EQ(lu_set_marker_(&result, &keep, &size, &keep, &keep, &keep), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(stored(), (Marker{0, 7, 0, 0, 0}));
}

TEST_F(MarkersTest, OnlyChangedAttributesSetTheirBits) {
    store(2, 10, 5, 6, 7);
    answer(4);
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_set_marker_in_window(window(), 2, 10, 5, 6, 7), window());
    EXPECT_EQ(last_mask(), 0);  // nothing changed, 'A' 6 still sent
    EXPECT_EQ(commands_since(before), (Commands{{'A', 6}}));

    EXPECT_EQ(lu_set_marker_in_window(window(), 7, -3, 8, -1, -2), window());
    EXPECT_EQ(stored(), (Marker{2, 10, 8, 6, 7}));  // type 7, size -3, fifth -2 ignored
    EXPECT_EQ(last_mask(), 0x200);
    EXPECT_EQ(lu_set_marker_in_window(window(), -1, 11, -1, 9, 0), window());
    EXPECT_EQ(stored(), (Marker{2, 11, 8, 9, 0}));
    EXPECT_EQ(last_mask(), 0x200 | 0x100 | 0x400 | 0x800);  // bits are only ever added

    // A new type 0 with size -1 takes size 0.
    layout::write_i32(block(), layout::kChanged, 0);
    EXPECT_EQ(lu_set_marker_in_window(window(), 0, -1, -1, -1, -1), window());
    EXPECT_EQ(stored(), (Marker{0, 0, 8, 9, 0}));
    EXPECT_EQ(last_mask(), 0x80 | 0x100);
}

TEST_F(MarkersTest, TypeZeroWithStoredSizeZeroSetsNoSizeBit) {
    store(4, 0, 0, 0, 0);
    answer();
    EXPECT_EQ(lu_set_marker_in_window(window(), 0, -1, -1, -1, -1), window());
    EXPECT_EQ(last_mask(), 0x80);
    EXPECT_EQ(lu_set_marker_in_window(99, 1, 1, 1, 1, 1), 0);  // not open: nothing sent
    EXPECT_EQ(changed.size(), 1u);
}

TEST_F(MarkersTest, GetMarkerConvertsTheSizeBack) {
    store(3, 40, 1, 2, 9);
    int type = 0, c = 0, e = 0, f = 0;
    float size = 0.0f;
    EXPECT_EQ(lu_get_marker(&type, &size, &c, &e, &f), window());
    EXPECT_EQ(type, 3);
    EXPECT_FLOAT_EQ(size, 0.1f);
    EXPECT_EQ(c, 1);
    EXPECT_EQ(e, 2);
    EXPECT_EQ(f, 9);

    layout::write_i32(block(), layout::kPixelMode, 1);
    int result = 0;
    EXPECT_EQ(lu_get_marker_(&result, nullptr, &size, nullptr, nullptr, nullptr), window());
    EXPECT_EQ(result, window());
    EXPECT_FLOAT_EQ(size, 40.0f);
    // In pixel mode a figure's size is taken as pixels, rounded.
    answer();
    EXPECT_EQ(lu_set_marker(3, 12.5f, -1, -1, -1), window());
    EXPECT_EQ(i32(layout::kMarkerSize), 13);
}

TEST_F(MarkersTest, DrawMarkerSendsTheDevicePoint) {
    answer(2);
    const std::size_t before = fake().deliveries.size();
    int result = 0;
    const float x = 2.0f, y = 0.5f;
    EXPECT_EQ(lu_draw_marker_(&result, &x, &y), window());
    EXPECT_EQ(result, window());
    const auto& d = fake().deliveries[before];
    EXPECT_EQ(d.param1, 17);
    EXPECT_EQ(d.param2, 120);
    EXPECT_EQ(d.param3, 800);  // 600 - 0.5 * -400
    EXPECT_EQ(lu_draw_marker_in_window(window(), -4, 5), window());
    EXPECT_EQ(fake().deliveries.back().param2, -4);
}

TEST_F(MarkersTest, CommandA18AndItsMinusOneCase) {
    layout::write_i32(block(), layout::kResult1, 55);
    fake().results = {window(), 17};
    std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_send_command_a18(-1), 17);  // the answer to the last command
    EXPECT_EQ(commands_since(before), (Commands{{'B', 27}, {'B', 28}}));
    EXPECT_EQ(i32(layout::kResult1), 55);

    answer();
    before = fake().deliveries.size();
    int result = 0;
    const int value = 4;
    EXPECT_EQ(lu_send_command_a18_(&result, &value), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(commands_since(before), (Commands{{'A', 18}}));
    EXPECT_EQ(words.back()[0], 4);
}

}  // namespace
}  // namespace lumora::test
