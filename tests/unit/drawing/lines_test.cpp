// Lines and the cached current position: which commands a path costs.
#include "drawing_fixture.h"

namespace lumora::test {
namespace {

using LinesTest = DrawingTest;
using Commands = std::vector<std::pair<char, int>>;

TEST_F(LinesTest, ConnectedLinesSendOnlyLineTos) {
    set_state({});
    set_position(-1, -1);
    answer(3);
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_draw_line(0.0f, 0.0f, 1.0f, 1.0f), window());
    EXPECT_EQ(lu_draw_line(1.0f, 1.0f, 2.0f, 0.0f), window());
    EXPECT_EQ(commands_since(before), (Commands{{'A', 11}, {'A', 20}, {'A', 20}}));
    const auto& move = fake().deliveries[before];
    EXPECT_EQ(move.param2, 0);
    EXPECT_EQ(move.param3, 600);
    EXPECT_EQ(fake().deliveries.back().param2, 120);
    EXPECT_EQ(fake().deliveries.back().param3, 600);
    EXPECT_EQ(
        std::string(fake().deliveries.back().bytes.begin(), fake().deliveries.back().bytes.end()),
        std::string("A\"\0", 3));
    EXPECT_EQ(i32(layout::kPenX), 120);
    EXPECT_EQ(i32(layout::kPenY), 600);
}

TEST_F(LinesTest, RepeatedSegmentMovesBackToItsStart) {
    set_state({});
    set_position(-1, -1);
    answer(4);
    const std::size_t before = fake().deliveries.size();
    int result = 0;
    const float a = 1.0f, b = 2.0f;
    lu_draw_line_(&result, &a, &a, &b, &b);
    lu_draw_line_(&result, &a, &a, &b, &b);
    EXPECT_EQ(result, window());
    EXPECT_EQ(commands_since(before), (Commands{{'A', 11}, {'A', 20}, {'A', 11}, {'A', 20}}));
}

TEST_F(LinesTest, MoveToTheCurrentPositionSendsNothing) {
    set_state({});
    set_position(60, 540);
    const std::size_t before = fake().deliveries.size();
    int result = 0;
    const float one = 1.0f;
    EXPECT_EQ(lu_move_to_(&result, &one, &one), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(lu_move_to_in_window(window(), 60, 540), window());
    EXPECT_EQ(fake().deliveries.size(), before);
    answer();
    EXPECT_EQ(lu_move_to(2.0f, 1.0f), window());
    EXPECT_EQ(commands_since(before), (Commands{{'A', 11}}));
    EXPECT_EQ(i32(layout::kPenX), 120);
}

TEST_F(LinesTest, LineToWithoutPositionOnlyMoves) {
    set_state({});
    set_position(60, 540);
    answer(3);
    const std::size_t before = fake().deliveries.size();
    EXPECT_EQ(lu_set_pen(-1, -1, -1, -1), window());  // clears the position
    EXPECT_EQ(fake().deliveries.back().param2, -1);
    EXPECT_EQ(fake().deliveries.back().param3, -1);
    int result = 0;
    const float x = 2.0f, y = 3.0f;
    EXPECT_EQ(lu_line_to_(&result, &x, &y), window());
    EXPECT_EQ(result, window());
    EXPECT_EQ(lu_line_to(3.0f, 3.0f), window());
    EXPECT_EQ(commands_since(before), (Commands{{'A', 11}, {'A', 11}, {'A', 20}}));
}

TEST_F(LinesTest, FailedCommandKeepsThePosition) {
    set_state({});
    set_position(10, 20);
    fake().results = {0};
    EXPECT_EQ(lu_line_to_in_window(window(), 30, 40), 0);
    EXPECT_EQ(i32(layout::kPenX), 10);
    EXPECT_EQ(i32(layout::kPenY), 20);
    fake().results = {0};
    EXPECT_EQ(lu_move_to_in_window(window(), 30, 40), 0);
    EXPECT_EQ(i32(layout::kPenX), 10);
}

TEST_F(LinesTest, LineStartingLeftOfTheAreaIsSentAsTwoMoves) {
    set_state({});
    set_position(-1, -1);
    answer(2);
    const std::size_t before = fake().deliveries.size();
    lu_draw_line(-1.0f, 0.0f, 1.0f, 1.0f);  // starts at device x -60
    EXPECT_EQ(commands_since(before), (Commands{{'A', 11}, {'A', 11}}));
    EXPECT_EQ(lu_draw_line_in_window(9, 0, 0, 1, 1), 0);  // no such window
    EXPECT_EQ(fake().deliveries.size(), before + 2);
}

}  // namespace
}  // namespace lumora::test
