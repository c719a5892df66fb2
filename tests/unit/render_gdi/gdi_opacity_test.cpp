// Translucent items on a GDI page image: every kind laid over what is under it, as on
// every pixel canvas.
#include <gtest/gtest.h>

#include "server/render/gdi/page_image.h"
#include "tests/unit/render/translucent_scenes.h"

namespace luwnd::render::test {
namespace {

TEST(GdiOpacity, EveryKindOfItemLiesOverWhatIsUnderIt) {
    const std::unique_ptr<PageImage> image = render_page(translucent_picture());
    ASSERT_NE(image, nullptr);
    expect_translucent_pixels([&](int x, int y) { return image->pixel(x, y); });
}

}  // namespace
}  // namespace luwnd::render::test
