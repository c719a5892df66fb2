// The guide's pictures of the numeric codes (docs/images/codes/<family>.png) and of the
// plot kinds (docs/images/plots/<kind>.png) are made here with the Cairo canvas:
// LUMORA_UPDATE_SWATCHES=1 writes them anew (look at each before committing it); otherwise
// the native build checks that the committed ones still show what the window process
// draws. Every build checks that each picture draws.
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

// Drawing items, those of plot batches one by one.
std::size_t drawn_items(const luwnd::render::Picture& picture) {
    std::size_t n = 0;
    for (const auto& op : picture.items) {
        const bool batch = op.item.kind == luwnd::ItemKind::kBatch && op.item.batch;
        n += batch ? op.item.batch->size() : 1;
    }
    return n;
}

// A picture of the guide: its scene and the folder of its family.
struct GuidePicture {
    const Scene* scene;
    const char* directory;
};

class SwatchTest : public ::testing::TestWithParam<GuidePicture> {
  protected:
    const Scene& swatch() const { return *GetParam().scene; }
};

TEST_P(SwatchTest, MatchesThePictureInTheGuide) {
    const luwnd::render::Picture picture = picture_of(swatch());
    ASSERT_GT(drawn_items(picture), 5u) << "the picture drew next to nothing";
    if (std::strcmp(canvas_name(), "cairo") != 0)
        GTEST_SKIP() << "the guide's pictures are Cairo's";
    const std::string path = std::string(GetParam().directory) + "/" + swatch().name + ".png";
    if (updating_swatches()) {
        std::string error;
        ASSERT_TRUE(write_reference(picture, path, error)) << path << ": " << error;
        GTEST_SKIP() << "wrote " << path;
    }
    const Image expected = read_png_image(path);
    ASSERT_FALSE(expected.empty()) << "no " << path << " (LUMORA_UPDATE_SWATCHES=1 makes it)";
    // Labels everywhere: fonts may differ a little from machine to machine.
    Tolerance tolerance;
    tolerance.loose = {{0, 0, swatch().width, swatch().height}};
    const Comparison result = compare(render(picture), expected, tolerance);
    EXPECT_TRUE(result.passes(tolerance)) << swatch().name << ": " << result.summary();
}

std::vector<GuidePicture> pictures_of(const std::vector<Scene>& scenes, const char* directory) {
    std::vector<GuidePicture> pictures;
    for (const Scene& s : scenes) pictures.push_back({&s, directory});
    return pictures;
}

std::string test_name(const ::testing::TestParamInfo<GuidePicture>& info) {
    std::string name = info.param.scene->name;
    for (char& c : name)
        if (c == '-') c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Codes, SwatchTest,
                         ::testing::ValuesIn(pictures_of(swatches(), SWATCH_DIRECTORY)), test_name);
INSTANTIATE_TEST_SUITE_P(PlotKinds, SwatchTest,
                         ::testing::ValuesIn(pictures_of(plot_kind_pictures(),
                                                         PLOT_KIND_DIRECTORY)),
                         test_name);

}  // namespace
}  // namespace lumora::gallery
