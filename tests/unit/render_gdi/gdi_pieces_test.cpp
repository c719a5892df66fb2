// The pieces of the GDI renderer: dash patterns, and pages
// written as PNG and read back through GDI+.
#include <windows.h>

#include <objidl.h>  // before gdiplus.h, which uses its types

#include <gdiplus.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "server/render/gdi/gdi_pen.h"
#include "server/render/gdi/page_image.h"
#include "server/render/gdi/png_file.h"

namespace luwnd::render {
namespace {

TEST(GdiPens, DashesScaleWithTheWidth) {
    Pen pen;
    EXPECT_TRUE(dashes_of(pen).empty());
    pen.dash = DashStyle::kDashDot;
    pen.width = 3;
    EXPECT_EQ(dashes_of(pen), (std::vector<DWORD>{18, 6, 3, 6}));
    for (DashStyle dash :
         {DashStyle::kSolid, DashStyle::kDash, DashStyle::kDot, DashStyle::kDashDotDot,
          DashStyle::kLongDash, DashStyle::kAlternate, DashStyle::kSparseDot}) {
        pen.dash = dash;
        for (std::int32_t width : {1, 4, 16384}) {
            pen.width = width;
            HPEN made = create_pen(pen);
            EXPECT_NE(made, nullptr) << static_cast<int>(dash) << " " << width;
            DeleteObject(made);
        }
    }
}

class PngFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput input{};
        input.GdiplusVersion = 1;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
    }
    void TearDown() override {
        if (bitmap_ != nullptr) Gdiplus::DllExports::GdipDisposeImage(bitmap_);
        Gdiplus::GdiplusShutdown(token_);
        std::remove(path_.c_str());
    }
    bool load() {
        std::wstring wide(path_.begin(), path_.end());
        return Gdiplus::DllExports::GdipCreateBitmapFromFile(wide.c_str(), &bitmap_) == Gdiplus::Ok;
    }
    std::uint32_t pixel(int x, int y) {
        Gdiplus::ARGB argb = 0;
        Gdiplus::DllExports::GdipBitmapGetPixel(bitmap_, x, y, &argb);
        return argb & 0xFFFFFF;
    }

    ULONG_PTR token_ = 0;
    Gdiplus::GpBitmap* bitmap_ = nullptr;
    std::string path_ = testing::TempDir() + "render_gdi_test.png";
};

TEST_F(PngFileTest, APageIsWrittenAsPngAndReadsBackPixelForPixel) {
    Picture picture;
    picture.width = 64;
    picture.height = 48;
    DrawItem line;
    line.coords = {0, 20, 64, 20};
    line.rgb = 0x808000;
    picture.items.push_back({line, std::nullopt});
    auto image = render_page(picture);
    ASSERT_NE(image, nullptr);
    std::string error;
    ASSERT_TRUE(write_png(*image, path_, error)) << error;

    FILE* file = std::fopen(path_.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char head[4] = {};
    EXPECT_EQ(std::fread(head, 1, 4, file), 4u);
    std::fclose(file);
    EXPECT_EQ(std::string(head, 4), "\x89PNG");

    ASSERT_TRUE(load());
    UINT width = 0, height = 0;
    Gdiplus::DllExports::GdipGetImageWidth(bitmap_, &width);
    Gdiplus::DllExports::GdipGetImageHeight(bitmap_, &height);
    EXPECT_EQ(width, 64u);
    EXPECT_EQ(height, 48u);
    EXPECT_EQ(pixel(30, 20), 0x808000u);
    EXPECT_EQ(pixel(30, 21), 0xFFFFFFu);
    EXPECT_EQ(pixel(63, 47), 0xFFFFFFu);
}

TEST_F(PngFileTest, AnUnwritablePathIsReported) {
    PageImage image(8, 8);
    std::string error;
    EXPECT_FALSE(write_png(image, "Z:\\nonexistent\\dir\\x.png", error));
    EXPECT_FALSE(error.empty());
}

TEST(PageImages, SidesAreClampedAndPixelsOutsideAreZero) {
    PageImage image(0, -5);
    ASSERT_TRUE(image.valid());
    EXPECT_EQ(image.width(), 1);
    EXPECT_EQ(image.height(), 1);
    EXPECT_EQ(image.pixel(1, 0), 0u);
    EXPECT_EQ(image.pixel(-1, 0), 0u);
}

}  // namespace
}  // namespace luwnd::render
