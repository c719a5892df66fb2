#include "scene_render.h"

#include <gtest/gtest.h>

#include "gallery_window.h"
#include "picture_io.h"

namespace lumora::gallery {
namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

std::string join(const std::string& directory, const std::string& file) {
    return directory + kSeparator + file;
}

}  // namespace

luwnd::render::Picture picture_of(const Scene& scene, const Tweak& tweak) {
    GalleryWindow window(scene.width, scene.height);
    if (window.number() <= 0) {
        ADD_FAILURE() << "no window for scene " << scene.name << ": " << window.errors();
        return {};
    }
    scene.draw(tweak);
    return window.picture();
}

Image image_of(const Scene& scene, const Tweak& tweak) {
    return render(picture_of(scene, tweak));
}

Tolerance tolerance_of(const Scene& scene) {
    Tolerance tolerance;
    tolerance.loose = scene.text;
    return tolerance;
}

std::string reference_path(const Scene& scene) {
    return join(GALLERY_REFERENCES, scene.name + ".png");
}

std::string output_path(const std::string& file) {
    return join(GALLERY_OUTPUT, file);
}

}  // namespace lumora::gallery
