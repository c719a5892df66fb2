// The guide's pictures of the numeric codes (docs/images/codes/<family>.png) are made here
// with the Cairo canvas: LUMORA_UPDATE_SWATCHES=1 writes them anew (look at each before
// committing it); otherwise the native build checks that the committed ones still show
// what the window process draws. Every build checks that each swatch draws.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "gallery_window.h"
#include "picture_io.h"
#include "scene_render.h"
#include "swatches.h"

namespace lumora::gallery {
namespace {

bool updating_swatches() {
    const char* value = std::getenv("LUMORA_UPDATE_SWATCHES");
    return value != nullptr && std::string(value) == "1";
}

class SwatchTest : public ::testing::TestWithParam<std::string> {
  protected:
    const Scene& swatch() const {
        for (const Scene& s : swatches())
            if (s.name == GetParam()) return s;
        return swatches().front();
    }
};

TEST_P(SwatchTest, MatchesThePictureInTheGuide) {
    const luwnd::render::Picture picture = picture_of(swatch());
    ASSERT_GT(picture.items.size(), 5u) << "the swatch drew next to nothing";
    if (std::strcmp(canvas_name(), "cairo") != 0)
        GTEST_SKIP() << "the guide's pictures are Cairo's";
    const std::string path = std::string(SWATCH_DIRECTORY) + "/" + swatch().name + ".png";
    if (updating_swatches()) {
        std::string error;
        ASSERT_TRUE(write_reference(picture, path, error)) << path << ": " << error;
        GTEST_SKIP() << "wrote " << path;
    }
    const Image expected = read_png_image(path);
    ASSERT_FALSE(expected.empty()) << "no " << path << " (LUMORA_UPDATE_SWATCHES=1 makes it)";
    // Labels everywhere: fonts may differ a little from machine to machine.
    Tolerance tolerance;
    tolerance.loose = {{0, 0, GalleryWindow::kWidth, GalleryWindow::kHeight}};
    const Comparison result = compare(render(picture), expected, tolerance);
    EXPECT_TRUE(result.passes(tolerance)) << swatch().name << ": " << result.summary();
}

std::vector<std::string> swatch_names() {
    std::vector<std::string> names;
    for (const Scene& s : swatches()) names.push_back(s.name);
    return names;
}

INSTANTIATE_TEST_SUITE_P(Codes, SwatchTest, ::testing::ValuesIn(swatch_names()),
                         [](const auto& swatch_info) {
                             std::string name = swatch_info.param;
                             for (char& c : name)
                                 if (c == '-') c = '_';
                             return name;
                         });

}  // namespace
}  // namespace lumora::gallery
