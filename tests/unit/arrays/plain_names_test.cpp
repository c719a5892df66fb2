// Each plain name does what the operation it stands for does: the same command with the
// same slots, the same drawing in the window and the same answer.
#include <functional>
#include <string>
#include <vector>

#include "arrays_fixture.h"

namespace lumora::test {
namespace {

class PlainNamesTest : public ArraysTest {
  protected:
    // What a call left: its answer, the command it sent and the window's last drawing.
    struct Seen {
        int answer = 0;
        std::vector<std::uint8_t> bytes;
        std::int32_t param1 = 0, param2 = 0, param3 = 0;
        std::size_t drawings = 0;
        luwnd::ItemKind kind = luwnd::ItemKind::kLine;
        std::array<std::int32_t, 8> coords{};
        std::int32_t arg1 = 0;
        bool operator==(const Seen&) const = default;
    };
    Seen seen(const std::function<int()>& call) {
        // Three lines to erase or take back.
        for (int i = 0; i < 3; ++i) lu_draw_line(0, float(i), 5, float(i));
        Seen s;
        s.answer = call();
        const auto& d = fake().deliveries.back();
        s.bytes = d.bytes;
        s.param1 = d.param1, s.param2 = d.param2, s.param3 = d.param3;
        const auto& items = fake().core()->window_state(window())->display.items();
        s.drawings = items.size();
        if (!items.empty()) {
            s.kind = items.back().kind;
            s.coords = items.back().coords;
            s.arg1 = items.back().arg1;
        }
        return s;
    }
};

TEST_F(PlainNamesTest, EachDoesWhatTheOperationItNamesDoes) {
    int r1 = 0, r2 = 0;
    const float x1 = 1, y1 = 2, x2 = 4.5f, y2 = 6, w = 0.5f, h = 0.25f, start = 0.125f,
                extent = 0.5f;
    const int colour = 5, two = 2, format = 3, on = 1, erase = 0;
    const int win = window();
    const std::vector<std::pair<std::function<int()>, std::function<int()>>> pairs = {
        {[&] { return lu_draw_rectangle(x1, y1, x2, y2); },
         [&] { return lu_draw_box_a21(x1, y1, x2, y2); }},
        {[&] { return lu_draw_rectangle_(&r1, &x1, &y1, &x2, &y2); },
         [&] { return lu_draw_box_a21_(&r2, &x1, &y1, &x2, &y2); }},
        {[&] { return lu_draw_rectangle_in_window(win, 10, 20, 30, 40); },
         [&] { return lu_draw_box_a21_in_window(win, 10, 20, 30, 40); }},
        {[&] { return lu_fill_rectangle(x1, y1, x2, y2, colour); },
         [&] { return lu_draw_box_a22(x1, y1, x2, y2, colour); }},
        {[&] { return lu_fill_rectangle_(&r1, &x1, &y1, &x2, &y2, &colour); },
         [&] { return lu_draw_box_a22_(&r2, &x1, &y1, &x2, &y2, &colour); }},
        {[&] { return lu_fill_rectangle_in_window(win, 10, 20, 30, 40, colour); },
         [&] { return lu_draw_box_a22_in_window(win, 10, 20, 30, 40, colour); }},
        {[&] { return lu_draw_rounded_rectangle(x1, y1, x2, y2, w, h); },
         [&] { return lu_draw_box_a23(x1, y1, x2, y2, w, h); }},
        {[&] { return lu_draw_rounded_rectangle_(&r1, &x1, &y1, &x2, &y2, &w, &h); },
         [&] { return lu_draw_box_a23_(&r2, &x1, &y1, &x2, &y2, &w, &h); }},
        {[&] { return lu_draw_ellipse(x1, y1, x2, y2); },
         [&] { return lu_draw_box_a24(x1, y1, x2, y2); }},
        {[&] { return lu_draw_ellipse_(&r1, &x1, &y1, &x2, &y2); },
         [&] { return lu_draw_box_a24_(&r2, &x1, &y1, &x2, &y2); }},
        {[&] { return lu_draw_ellipse_in_window(win, 10, 20, 30, 40); },
         [&] { return lu_draw_box_a24_in_window(win, 10, 20, 30, 40); }},
        {[&] { return lu_draw_arc(x1, y1, x2, y2, start, extent); },
         [&] { return lu_draw_arc_a25(x1, y1, x2, y2, start, extent); }},
        {[&] { return lu_draw_arc_(&r1, &x1, &y1, &x2, &y2, &start, &extent); },
         [&] { return lu_draw_arc_a25_(&r2, &x1, &y1, &x2, &y2, &start, &extent); }},
        {[&] { return lu_draw_chord(x1, y1, x2, y2, start, extent); },
         [&] { return lu_draw_arc_a26(x1, y1, x2, y2, start, extent); }},
        {[&] { return lu_draw_chord_(&r1, &x1, &y1, &x2, &y2, &start, &extent); },
         [&] { return lu_draw_arc_a26_(&r2, &x1, &y1, &x2, &y2, &start, &extent); }},
        {[&] { return lu_draw_pie_slice(x1, y1, x2, y2, start, extent); },
         [&] { return lu_draw_arc_a27(x1, y1, x2, y2, start, extent); }},
        {[&] { return lu_draw_pie_slice_(&r1, &x1, &y1, &x2, &y2, &start, &extent); },
         [&] { return lu_draw_arc_a27_(&r2, &x1, &y1, &x2, &y2, &start, &extent); }},
        {[] { return lu_erase_window(); }, [] { return lu_send_command_b4(); }},
        {[&] { return lu_erase_window_(&r1); }, [&] { return lu_send_command_b4_(&r2); }},
        {[&] { return lu_erase_window_in_window(win); },
         [&] { return lu_send_command_b4_in_window(win); }},
        {[] { return lu_undo_drawings(2); }, [] { return lu_send_command_b26(2); }},
        {[&] { return lu_undo_drawings_(&r1, &two); },
         [&] { return lu_send_command_b26_(&r2, &two); }},
        {[&] { return lu_undo_drawings_in_window(win, 2); },
         [&] { return lu_send_command_b26_in_window(win, 2); }},
        {[&] { return lu_set_background(colour, erase); },
         [&] { return lu_send_command_b23(colour, erase); }},
        {[&] { return lu_set_background_(&r1, &colour, &erase); },
         [&] { return lu_send_command_b23_(&r2, &colour, &erase); }},
        {[] { return lu_set_end_picture(3); }, [] { return lu_send_command_b34(3); }},
        {[&] { return lu_set_end_picture_(&r1, &format); },
         [&] { return lu_send_command_b34_(&r2, &format); }},
        {[&] { return lu_set_end_picture_in_window(win, 0); },
         [&] { return lu_send_command_b34_in_window(win, 0); }},
        {[] { return lu_keep_on_top(1); }, [] { return lu_send_command_b29(1); }},
        {[&] { return lu_keep_on_top_(&r1, &on); }, [&] { return lu_send_command_b29_(&r2, &on); }},
    };
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        r1 = r2 = -7;  // the result variables of the reference forms
        lu_send_command_b4();
        const Seen named = seen(pairs[i].second);
        lu_send_command_b4();
        const Seen plain = seen(pairs[i].first);
        EXPECT_EQ(plain, named) << "pair " << i;
        EXPECT_EQ(r1, r2) << "pair " << i;
        EXPECT_NE(plain.answer, 0) << "pair " << i;
    }
}

// The count is the window's own, -1 without a window.
TEST_F(PlainNamesTest, CountingDrawings) {
    lu_send_command_b4();
    EXPECT_EQ(lu_count_drawings(), 0);
    for (int i = 0; i < 5; ++i) lu_draw_line(0, 0, 1, float(i));
    EXPECT_EQ(lu_count_drawings(), 5);
    int held = 0;
    EXPECT_EQ(lu_count_drawings_(&held), 5);
    EXPECT_EQ(held, 5);
    EXPECT_EQ(lu_undo_drawings(2), window());
    EXPECT_EQ(lu_count_drawings_in_window(window()), 3);
    EXPECT_EQ(lu_count_drawings_in_window(40), -1);
}

}  // namespace
}  // namespace lumora::test
