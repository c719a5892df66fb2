// A scene drawn in a fresh window and rendered, and where its reference and the output of
// a failed comparison go.
#pragma once

#include <string>

#include "image.h"
#include "image_compare.h"
#include "scenes.h"
#include "server/render/picture.h"

namespace lumora::gallery {

luwnd::render::Picture picture_of(const Scene& scene, const Tweak& tweak = {});
Image image_of(const Scene& scene, const Tweak& tweak = {});
// The comparison rule of the scene: the common thresholds with its text regions.
Tolerance tolerance_of(const Scene& scene);

// The scene's committed reference for this build's canvas.
std::string reference_path(const Scene& scene);
// A file in the build tree's output folder.
std::string output_path(const std::string& file);

}  // namespace lumora::gallery
