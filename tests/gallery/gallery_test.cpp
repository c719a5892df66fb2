// The gallery: every scene drawn through the public interface into an in-process window,
// rendered by this platform's canvas (Cairo natively, GDI on Windows) and compared with
// its committed reference picture, tests/gallery/references/<canvas>/<scene>.png.
//
// To make the references anew after an intended change of the drawing, run this test with
// LUMORA_UPDATE_REFERENCES=1 in the environment (natively and in the Windows build): each
// scene is then written into the source tree with the window process's own PNG writer
// instead of being compared. Look at every picture before committing it.
//
// On a mismatch the rendered page and a difference image (image_compare.h says what the
// marks mean) are written to the build tree and their paths printed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "picture_io.h"
#include "scene_render.h"

namespace lumora::gallery {
namespace {

bool updating_references() {
    const char* value = std::getenv("LUMORA_UPDATE_REFERENCES");
    return value != nullptr && std::string(value) == "1";
}

class GalleryTest : public ::testing::TestWithParam<std::string> {
  protected:
    const Scene& scene() const { return *find_scene(GetParam()); }
};

TEST_P(GalleryTest, LooksLikeItsReference) {
    const luwnd::render::Picture picture = picture_of(scene());
    ASSERT_FALSE(picture.items.empty()) << "the scene drew nothing";
    const std::string reference = reference_path(scene());
    if (updating_references()) {
        std::string error;
        ASSERT_TRUE(write_reference(picture, reference, error)) << reference << ": " << error;
        GTEST_SKIP() << "wrote " << reference;
    }
    const Image expected = read_png_image(reference);
    ASSERT_FALSE(expected.empty())
        << "no reference " << reference << " (LUMORA_UPDATE_REFERENCES=1 makes it)";
    const Image actual = render(picture);
    const Tolerance tolerance = tolerance_of(scene());
    const Comparison result = compare(actual, expected, tolerance);
    if (result.passes(tolerance)) return;
    const std::string actual_file = output_path(scene().name + "-actual.png");
    const std::string difference_file = output_path(scene().name + "-difference.png");
    const bool written = write_png_image(actual, actual_file) &&
                         (!result.same_size || write_png_image(result.difference, difference_file));
    ADD_FAILURE() << scene().name << ": " << result.summary() << "\n  reference:  " << reference
                  << "\n  actual:     " << actual_file << "\n  difference: "
                  << (result.same_size ? difference_file : "(none: the sizes differ)")
                  << (written ? "" : "\n  (the output could not be written)");
}

TEST_P(GalleryTest, DrawsTheSamePixelsEveryTime) {
    const Image first = image_of(scene()), second = image_of(scene());
    Tolerance exact;
    exact.channel = 0;
    exact.fraction = 0;
    const Comparison result = compare(first, second, exact);
    EXPECT_TRUE(result.passes(exact)) << result.summary();
}

std::vector<std::string> scene_names() {
    std::vector<std::string> names;
    for (const Scene& s : scenes()) names.push_back(s.name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Scenes, GalleryTest, ::testing::ValuesIn(scene_names()),
                         [](const auto& scene_info) { return scene_info.param; });

}  // namespace
}  // namespace lumora::gallery
