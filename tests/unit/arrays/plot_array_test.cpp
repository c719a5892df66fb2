// Value plots: which axis each word and value is converted on, the size and base modes,
// and what the announce carries. The y scale differs from the x scale so that a value
// converted on the wrong axis shows.
#include "arrays_fixture.h"

namespace lumora::test {
namespace {

class PlotArrayTest : public ArraysTest {
  protected:
    void SetUp() override {
        ArraysTest::SetUp();
        DrawingState s;
        s.y_scale = 30.0f;  // x: 60 * x, y: 600 - 30 * y
        set_state(s);
    }

    const luwnd::ArrayData* array() { return fake().core()->completed_array(window()); }

    const std::vector<float> values = {0.5f, 1.0f, 2.5f};  // 2 v + 1: 2, 3, 6
};

using Words = std::array<std::int32_t, 4>;
using Values = std::vector<std::int32_t>;

TEST_F(PlotArrayTest, PositiveCountRunsAlongX) {
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_plot_array(0, 3, 1.0f, 5.0f, 0.5f, 2.0f, 2.0f, 1.0f, values.data()), window());
    EXPECT_EQ(commands_since(before), (Commands{{'N', 32}, {'B', 36}, {'B', 37}}));
    EXPECT_EQ(fake().deliveries[before].param2, 3);
    EXPECT_EQ(fake().deliveries[before].param3, 0);
    ASSERT_NE(array(), nullptr);
    EXPECT_EQ(array()->words, (Words{60, 300, 30, 540}));
    EXPECT_EQ(assembled(window()), (Values{540, 510, 420}));
}

TEST_F(PlotArrayTest, NegativeCountRunsAlongY) {
    const std::size_t before = fake().deliveries.size();
    int result = 99;
    const int mode = -2, n = -3;
    const float p1 = 1.0f, p2 = 5.0f, size = 0.5f, base = 2.0f, scale = 2.0f, offset = 1.0f;
    EXPECT_EQ(
        lu_plot_array_(&result, &mode, &n, &p1, &p2, &size, &base, &scale, &offset, values.data()),
        window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(fake().deliveries[before].param2, -3);
    EXPECT_EQ(fake().deliveries[before].param3, -2);
    EXPECT_EQ(chunks_since(before), (Chunks{{0, 12}}));
    ASSERT_NE(array(), nullptr);
    EXPECT_EQ(array()->words, (Words{570, 450, 15, 120}));
    EXPECT_EQ(assembled(window()), (Values{120, 180, 360}));
}

TEST_F(PlotArrayTest, ModeMinusOneAndPositiveModesTruncateSizeAndBase) {
    EXPECT_EQ(lu_plot_array(-1, 3, 1.0f, 5.0f, 2.9f, -3.7f, 2.0f, 1.0f, values.data()), window());
    ASSERT_NE(array(), nullptr);
    EXPECT_EQ(array()->words, (Words{60, 300, 2, -3}));
    EXPECT_EQ(lu_plot_array(4, -3, 1.0f, 5.0f, 2.9f, -3.7f, 2.0f, 1.0f, values.data()), window());
    EXPECT_EQ(array()->words, (Words{570, 450, 2, -3}));
    EXPECT_EQ(array()->mode, 4);
}

TEST_F(PlotArrayTest, RefusalsAndFailures) {
    std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_plot_array(0, 0, 1.0f, 5.0f, 0.5f, 2.0f, 2.0f, 1.0f, values.data()), 0);
    EXPECT_EQ(lu_plot_array(0, 3, 1.0f, 5.0f, 0.5f, 2.0f, 2.0f, 1.0f, nullptr), 0);
    const std::int32_t device[] = {10, 20};
    EXPECT_EQ(lu_plot_array_in_window(window(), 0, 0, 1, 2, 3, 4, device), 0);
    EXPECT_EQ(fake().deliveries.size(), before);

    fake().results = {window(), 0};
    EXPECT_EQ(lu_plot_array(0, 3, 1.0f, 5.0f, 0.5f, 2.0f, 2.0f, 1.0f, values.data()), 0);
    EXPECT_EQ(commands_since(before), (Commands{{'N', 32}, {'B', 36}, {'B', 38}}));
}

TEST_F(PlotArrayTest, DeviceBodyPassesTheWordsAndValues) {
    const std::size_t before = fake().deliveries.size();
    const std::int32_t device[] = {10, -20};
    EXPECT_EQ(lu_plot_array_in_window(window(), 5, -2, 1, 2, 3, 4, device), window());
    EXPECT_EQ(fake().deliveries[before].param2, -2);
    EXPECT_EQ(fake().deliveries[before].param3, 5);
    EXPECT_EQ(chunks_since(before), (Chunks{{0, 8}}));
    ASSERT_NE(array(), nullptr);
    EXPECT_EQ(array()->words, (Words{1, 2, 3, 4}));
    EXPECT_EQ(assembled(window()), (Values{10, -20}));
}

}  // namespace
}  // namespace lumora::test
