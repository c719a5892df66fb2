// What a plot's frame looks like on the screen, in a captured picture of a window (any
// type with width, height and at(x, y) giving packed RGB): where its box is, and how far
// the pixels of a line of one colour reach.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace lumora::test {

// Lines are smoothed: a black line of one pixel between two columns is two grey ones, at
// least one of them darker than half. Colours are told apart by their channels.
inline bool dark(std::uint32_t rgb) {
    return (rgb >> 16 & 0xFF) < 0x90 && (rgb >> 8 & 0xFF) < 0x90 && (rgb & 0xFF) < 0x90;
}
inline bool reddish(std::uint32_t rgb) {
    return (rgb >> 16 & 0xFF) > 0xB0 && (rgb >> 8 & 0xFF) < 0x70 && (rgb & 0xFF) < 0x70;
}
inline bool bluish(std::uint32_t rgb) {
    return (rgb & 0xFF) > 0xB0 && (rgb >> 16 & 0xFF) < 0x70 && (rgb >> 8 & 0xFF) < 0x70;
}

// Whether the window is painted to its far corner with the page's white: a window that
// has grown shows black where it is not painted yet, which would pass for lines.
template <typename Image>
bool painted(const Image& shot) {
    return shot.at(shot.width - 1, shot.height - 1) == 0xFFFFFFu;
}

// Where the frame's box is: its edges are the longest straight dark lines on the page.
struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    int middle_row() const { return (top + bottom) / 2; }
    int middle_column() const { return (left + right) / 2; }
};

// The longest dark line from (x, y) on in steps of (dx, dy).
template <typename Image>
int longest_run(const Image& shot, int x, int y, int dx, int dy) {
    int longest = 0, run = 0;
    for (; x < shot.width && y < shot.height; x += dx, y += dy) {
        run = dark(shot.at(x, y)) ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The column (or row) from first to last, either way, with the longest dark line along
// it; the first found of equals. -1 when there is no line a quarter of the
// picture long.
template <typename Image>
int line_across(const Image& shot, int first, int last, bool columns) {
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

template <typename Image>
std::optional<Box> find_box(const Image& shot) {
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

template <typename Image>
Spread spread_of(const Image& shot, bool (*colour)(std::uint32_t)) {
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
inline void expect_across(const Spread& line, const Box& box, double low, double high) {
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

}  // namespace lumora::test
