// The gallery's scenes: each draws one family of drawings through the public interface
// into the current window of GalleryWindow's size.
#pragma once

#include <string>
#include <vector>

#include "gallery_window.h"
#include "image_compare.h"

namespace lumora::gallery {

// Deliberate changes to a scene, for the checks that the comparison notices them.
struct Tweak {
    int nudge = 0;          // pixels one figure moves to the right
    bool recolour = false;  // one filled figure in another colour
    bool realign = false;   // one text anchored differently
};

struct Scene {
    std::string name;
    void (*draw)(const Tweak& tweak);
    std::vector<Region> text;  // where texts are, in device pixels
    int width = GalleryWindow::kWidth, height = GalleryWindow::kHeight;
};

const std::vector<Scene>& scenes();
// The scene of that name; nullptr when there is none.
const Scene* find_scene(const std::string& name);

// The scenes, one family each.
void draw_figures(const Tweak& tweak);
void draw_pens(const Tweak& tweak);
void draw_mixes(const Tweak& tweak);
void draw_markers(const Tweak& tweak);
void draw_texts(const Tweak& tweak);
std::vector<Region> text_regions();
void draw_arrays(const Tweak& tweak);
void draw_transform_clip(const Tweak& tweak);
void draw_fields(const Tweak& tweak);
void draw_field_shades(const Tweak& tweak);
void draw_colour_bar_sides(const Tweak& tweak);
void draw_fields_on_grids(const Tweak& tweak);
void draw_plots(const Tweak& tweak);
void draw_hatches(const Tweak& tweak);
void draw_colours(const Tweak& tweak);

// World coordinates one unit a pixel over the whole drawing area, y upward from the
// bottom edge.
void use_page_world();

}  // namespace lumora::gallery
