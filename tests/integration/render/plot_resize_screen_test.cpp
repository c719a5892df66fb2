// A plot in a real luwnd window on an X screen, laid out anew when the user resizes the
// window: the frame's box grows with the window, the data drawn in it moves with it, and
// the program's next line lands in the box as it is shown.
#include <algorithm>
#include <chrono>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "luwnd_fixture.h"
#include "virtual_display.h"

namespace lumora::test {
namespace {

// Lines are smoothed: a black line of one pixel between two columns is two grey ones, at
// least one of them darker than half. Colours are told apart by their channels.
bool dark(std::uint32_t rgb) {
    return (rgb >> 16 & 0xFF) < 0x90 && (rgb >> 8 & 0xFF) < 0x90 && (rgb & 0xFF) < 0x90;
}
bool reddish(std::uint32_t rgb) {
    return (rgb >> 16 & 0xFF) > 0xB0 && (rgb >> 8 & 0xFF) < 0x70 && (rgb & 0xFF) < 0x70;
}
bool bluish(std::uint32_t rgb) {
    return (rgb & 0xFF) > 0xB0 && (rgb >> 16 & 0xFF) < 0x70 && (rgb >> 8 & 0xFF) < 0x70;
}

// Where the frame's box is: its edges are the longest straight dark lines on the page.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int middle_row() const { return (top + bottom) / 2; }
    int middle_column() const { return (left + right) / 2; }
};

int longest_run(const Screenshot& shot, int x, int y, int dx, int dy) {
    int longest = 0, run = 0;
    for (; x < shot.width && y < shot.height; x += dx, y += dy) {
        run = dark(shot.at(x, y)) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The column (dx 1) or row (dy 1) from first to last (either way) with the longest dark
// line along it; the first found of equals. -1 when there is no line a quarter of the
// picture long.
int line_across(const Screenshot& shot, int first, int last, bool columns) {
    const int step = first <= last ? 1 : -1;
    const int least = (columns ? shot.height : shot.width) / 4;
    int best = -1, best_run = least;
    for (int i = first; i != last + step; i += step) {
        const int run = columns ? longest_run(shot, i, 0, 0, 1) : longest_run(shot, 0, i, 1, 0);
        if (run > best_run) {
            best = i;
            best_run = run;
        }
    }
    return best;
}

std::optional<Box> find_box(const Screenshot& shot) {
    const int w = shot.width, h = shot.height;
    Box box{line_across(shot, 0, w / 2, true), line_across(shot, 0, h / 2, false),
            line_across(shot, w - 1, w / 2, true), line_across(shot, h - 1, h / 2, false)};
    if (box.left < 0 || box.top < 0 || box.right < 0 || box.bottom < 0) return std::nullopt;
    return box;
}

// The pixels of a colour: how many, and how far they reach.
struct Spread {
    int count = 0, left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
};

Spread spread_of(const Screenshot& shot, bool (*colour)(std::uint32_t)) {
    Spread s;
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x) {
            if (!colour(shot.at(x, y))) continue;
            ++s.count;
            s.left = std::min(s.left, x);
            s.right = std::max(s.right, x);
            s.top = std::min(s.top, y);
            s.bottom = std::max(s.bottom, y);
        }
    return s;
}

// A straight line across the whole box, from level low to level high (0 the bottom, 1 the
// top edge), as its pixels show it, within a few pixels.
void expect_across(const Spread& line, const Box& box, double low, double high) {
    constexpr int kNear = 3;
    const auto level = [&box](double at) {
        return static_cast<int>(box.bottom - at * (box.bottom - box.top) + 0.5);
    };
    EXPECT_GT(line.count, 0);
    EXPECT_NEAR(line.left, box.left, kNear);
    EXPECT_NEAR(line.right, box.right, kNear);
    EXPECT_NEAR(line.top, level(std::max(low, high)), kNear);
    EXPECT_NEAR(line.bottom, level(std::min(low, high)), kNear);
}

class PlotResizeScreenTest : public LuwndTest {
  protected:
    // Captures the window until what it shows satisfies the test, up to 10 s; the last
    // capture either way.
    static Screenshot wait_for_shot(VirtualDisplay& display, unsigned long window,
                                    const std::function<bool(const Screenshot&)>& shows) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        Screenshot shot = display.capture(window);
        while (!shows(shot) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            shot = display.capture(window);
        }
        return shot;
    }
    // Waits up to 5 s for a trace line holding every part.
    bool wait_for_trace_line(const std::vector<std::string>& parts) const {
        for (int i = 0; i < 500; ++i) {
            std::istringstream lines(trace());
            for (std::string line; std::getline(lines, line);) {
                if (std::all_of(parts.begin(), parts.end(), [&line](const std::string& part) {
                        return line.find(part) != std::string::npos;
                    }))
                    return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
};

// The program draws a frame with a blue line and waits; the user makes the window wider
// and taller. luwnd lays the plot out again: the box's right and bottom edges move out
// by about the growth, none stays where it was, and the blue line is stretched across
// the new box. The red line the program draws then lies in the new box and spans it.
TEST_F(PlotResizeScreenTest, APlotIsLaidOutAnewWhenItsWindowIsResized) {
    VirtualDisplay display("1024x768x24");
    if (!display.ready()) GTEST_SKIP() << "no Xvfb";
    int input[2];
    ASSERT_EQ(pipe(input), 0);
    client_ = spawn({RESIZED_PLOT_PATH}, environment(display.name(), false), input[0], input[1]);
    close(input[0]);
    ASSERT_GT(client_, 0);
    const unsigned long window = display.wait_for_window();
    ASSERT_NE(window, 0u);
    const Screenshot before = wait_for_shot(display, window, [](const Screenshot& shot) {
        return find_box(shot) && spread_of(shot, bluish).count > 0;
    });
    const std::optional<Box> old_box = find_box(before);
    ASSERT_TRUE(old_box) << "no frame on the screen";
    {
        SCOPED_TRACE("the blue line before the resize");
        expect_across(spread_of(before, bluish), *old_box, 0.2, 0.8);
    }

    const int grow_x = 260, grow_y = 180;
    const int width = before.width + grow_x, height = before.height + grow_y;
    display.resize(window, width, height);
    ASSERT_TRUE(wait_for_trace_line(
        {"event=resize", "w=" + std::to_string(width), "h=" + std::to_string(height), "plots="}))
        << "the plot was not laid out again\n"
        << trace();
    const int far_right = old_box->right + grow_x * 4 / 5;
    const int far_down = old_box->bottom + grow_y * 4 / 5;
    const Screenshot after = wait_for_shot(display, window, [&](const Screenshot& shot) {
        const std::optional<Box> box = find_box(shot);
        return shot.width == width && box && box->right >= far_right && box->bottom >= far_down;
    });
    ASSERT_EQ(after.width, width);
    const std::optional<Box> new_box = find_box(after);
    ASSERT_TRUE(new_box) << "no frame on the screen after the resize";
    EXPECT_GE(new_box->right, far_right) << "from " << old_box->right;
    EXPECT_GE(new_box->bottom, far_down) << "from " << old_box->bottom;
    EXPECT_LE(new_box->right, old_box->right + grow_x + 2);
    EXPECT_LE(new_box->bottom, old_box->bottom + grow_y + 2);
    for (int x = old_box->right - 1; x <= old_box->right + 1; ++x)
        EXPECT_FALSE(dark(after.at(x, new_box->middle_row()))) << "an edge left at x " << x;
    for (int y = old_box->bottom - 1; y <= old_box->bottom + 1; ++y)
        EXPECT_FALSE(dark(after.at(new_box->middle_column(), y))) << "an edge left at y " << y;
    {
        SCOPED_TRACE("the blue line after the resize");
        expect_across(spread_of(after, bluish), *new_box, 0.2, 0.8);
    }

    ASSERT_EQ(write(input[1], "\n", 1), 1);
    const Screenshot last = wait_for_shot(
        display, window, [](const Screenshot& shot) { return spread_of(shot, reddish).count > 0; });
    {
        SCOPED_TRACE("the red line drawn after the resize");
        expect_across(spread_of(last, reddish), *new_box, 0.8, 0.2);
    }

    close(input[1]);
    EXPECT_EQ(wait_client(20000), 0);
    const pid_t luwnd = luwnd_of_client();
    ASSERT_GT(luwnd, 0);
    display.close(window);
    EXPECT_TRUE(wait_gone(luwnd));
}

}  // namespace
}  // namespace lumora::test
