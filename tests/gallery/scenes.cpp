#include "scenes.h"

#include "client/include/lumora.h"
#include "gallery_window.h"

namespace lumora::gallery {

void use_page_world() {
    lu_set_viewport(0, 0, 0, 0);
    lu_set_world(0, 0, GalleryWindow::kWidth, GalleryWindow::kHeight);
}

const std::vector<Scene>& scenes() {
    static const std::vector<Scene> list = {
        {"figures", draw_figures, {}},
        {"pens", draw_pens, {}},
        {"mixes", draw_mixes, {}},
        {"markers", draw_markers, {}},
        {"texts", draw_texts, text_regions()},
        {"arrays", draw_arrays, {}},
        {"transform_clip", draw_transform_clip, {}},
        {"fields", draw_fields, {}},
        {"field_shades", draw_field_shades, {}},
        {"plots", draw_plots, {}, 640, 480},
        {"colour_bar_sides", draw_colour_bar_sides, {}, 640, 480},
        {"hatches", draw_hatches, {}, 640, 480},
        {"fields_on_grids", draw_fields_on_grids, {}},
        {"colours", draw_colours, {}, 640, 480},
    };
    return list;
}

const Scene* find_scene(const std::string& name) {
    for (const Scene& scene : scenes())
        if (scene.name == name) return &scene;
    return nullptr;
}

}  // namespace lumora::gallery
