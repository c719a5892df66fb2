#include "cursor_band.h"

namespace luwnd {

namespace {

BandLine across(std::int32_t y, std::int32_t width) {
    return {{0, y}, {width, y}};
}
BandLine down(std::int32_t x, std::int32_t height) {
    return {{x, 0}, {x, height}};
}

}  // namespace

std::vector<BandLine> band_lines(const CursorWait& wait, Pixel cursor, std::int32_t width,
                                 std::int32_t height) {
    const Pixel a{wait.anchor_x, wait.anchor_y}, c = cursor;
    const bool anchored = wait.anchored;
    switch (wait.mode) {
        case 1:
            if (anchored) return {{a, c}};
            break;
        case 2:
            if (anchored)
                return {{a, {c.x, a.y}}, {{c.x, a.y}, c}, {c, {a.x, c.y}}, {{a.x, c.y}, a}};
            break;
        case 3:
            if (anchored) return {across(a.y, width), across(c.y, width)};
            break;
        case 4:
            if (anchored) return {down(a.x, height), down(c.x, height)};
            break;
        case 5:
            return {across(c.y, width)};
        case 6:
            return {down(c.x, height)};
        case 7:
            return {across(c.y, width), down(c.x, height)};
        default:
            break;
    }
    return {};
}

}  // namespace luwnd
