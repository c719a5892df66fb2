// How a rendered page is compared with its reference.
//
// A pixel differs when any of its red, green and blue bytes differs by more than
// `channel`: anti-aliased edges that shift by a few levels between library versions pass,
// while a figure that moves or changes colour does not. At most `fraction` of the page's
// pixels may differ.
//
// Text regions are compared more loosely, because font versions and hinting move glyph
// pixels around: there the page is cut into cells of `cell` x `cell` pixels, and a cell
// differs when the mean of some channel over it differs by more than `cell_channel` from
// the expected page's mean over the same cell moved by each of up to `cell_shift` pixels
// either way. In each region at most `loose_fraction` of its cells may differ, so that one
// text that is missing, moved or changed fails its region however large the page's text
// is. A cell belongs to the first region that holds its centre.
#pragma once

#include <string>
#include <vector>

#include "image.h"

namespace lumora::gallery {

// Pixels left .. right - 1, top .. bottom - 1.
struct Region {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

struct Tolerance {
    int channel = 40;
    double fraction = 0.001;
    int cell = 4;
    int cell_channel = 24;
    int cell_shift = 1;
    double loose_fraction = 0.05;
    std::vector<Region> loose;  // the text regions
};

struct Comparison {
    bool same_size = false;
    long page_pixels = 0, strict_differing = 0;
    // Cells of each text region, and how many of them differ.
    std::vector<long> region_cells, region_differing;
    // The expected page faded, differing pixels red, differing text cells magenta and the
    // text regions' edges light blue.
    Image difference;

    bool passes(const Tolerance& tolerance) const;
    std::string summary() const;
};

// Whether two pixels differ under the channel threshold.
bool pixels_differ(std::uint32_t a, std::uint32_t b, int channel);

Comparison compare(const Image& actual, const Image& expected, const Tolerance& tolerance);

}  // namespace lumora::gallery
