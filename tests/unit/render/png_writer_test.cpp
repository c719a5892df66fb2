// PNG files written with their rows compressed in parts read back as exactly the image,
// whatever the number of parts, and carry the chunks Cairo's own writer puts in.
#include <gtest/gtest.h>

#include <cairo.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "server/render/cairo/png_writer.h"

namespace luwnd::render {
namespace {

struct Surface {
    cairo_surface_t* s;
    explicit Surface(cairo_surface_t* surface) : s(surface) {}
    ~Surface() { cairo_surface_destroy(s); }
};

// An image of noise over smooth gradients, so that every filter type wins somewhere.
cairo_surface_t* test_image(int width, int height, unsigned seed) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
    std::mt19937 random(seed);
    unsigned char* data = cairo_image_surface_get_data(image);
    const int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t pixel =
                (x * 255 / width) << 16 | (y * 255 / height) << 8 | ((x + y) & 0xFF);
            if ((x / 16 + y / 16) % 3 == 0) pixel = random() & 0xFFFFFF;
            std::memcpy(data + y * stride + 4 * x, &pixel, 4);
        }
    }
    cairo_surface_mark_dirty(image);
    return image;
}

std::string temp_file(const std::string& name) {
    return (std::filesystem::temp_directory_path() /
            ("png_writer_test_" + std::to_string(getpid()) + "_" + name))
        .string();
}

// How many pixels differ in colour between the image and the file read back.
int differences(cairo_surface_t* image, const std::string& path) {
    Surface read(cairo_image_surface_create_from_png(path.c_str()));
    if (cairo_surface_status(read.s) != CAIRO_STATUS_SUCCESS) return -1;
    if (cairo_image_surface_get_width(read.s) != cairo_image_surface_get_width(image) ||
        cairo_image_surface_get_height(read.s) != cairo_image_surface_get_height(image))
        return -2;
    int count = 0;
    for (int y = 0; y < cairo_image_surface_get_height(image); ++y) {
        for (int x = 0; x < cairo_image_surface_get_width(image); ++x) {
            std::uint32_t a, b;
            std::memcpy(&a,
                        cairo_image_surface_get_data(image) +
                            y * cairo_image_surface_get_stride(image) + 4 * x,
                        4);
            std::memcpy(&b,
                        cairo_image_surface_get_data(read.s) +
                            y * cairo_image_surface_get_stride(read.s) + 4 * x,
                        4);
            count += (a & 0xFFFFFF) != (b & 0xFFFFFF);
        }
    }
    return count;
}

TEST(PngWriter, FilesReadBackAsTheImageInAnyNumberOfParts) {
    const std::pair<int, int> sizes[] = {{1, 1}, {1, 700}, {700, 1}, {333, 257}, {640, 1031}};
    for (auto [width, height] : sizes) {
        Surface image(test_image(width, height, static_cast<unsigned>(width * height)));
        for (int parts : {1, 2, 3, 8}) {
            const std::string path = temp_file("parts.png");
            std::string error;
            ASSERT_TRUE(write_png(image.s, path, parts, error)) << error;
            EXPECT_EQ(differences(image.s, path), 0) << width << "x" << height << ", " << parts;
            std::filesystem::remove(path);
        }
    }
}

TEST(PngWriter, TheFileHasCairosChunksAndAboutItsSize) {
    Surface image(test_image(500, 600, 3));
    const std::vector<std::uint8_t> ours = encode_png(image.s, 4);
    ASSERT_GT(ours.size(), 33u);
    EXPECT_EQ(std::memcmp(ours.data(), "\x89PNG\r\n\x1a\n", 8), 0);
    // IHDR: 500 x 600, 8-bit RGB; then the white background chunk.
    const std::uint8_t header[] = {0,    0, 0, 13, 'I',  'H', 'D', 'R', 0, 0, 1,
                                   0xF4, 0, 0, 2,  0x58, 8,   2,   0,   0, 0};
    EXPECT_EQ(std::memcmp(ours.data() + 8, header, sizeof header), 0);
    const std::uint8_t background[] = {0, 0, 0, 6, 'b', 'K', 'G', 'D', 0, 0xFF, 0, 0xFF, 0, 0xFF};
    EXPECT_EQ(std::memcmp(ours.data() + 33, background, sizeof background), 0);
    EXPECT_EQ(std::memcmp(ours.data() + ours.size() - 8, "IEND\xae\x42\x60\x82", 8), 0);
    // Compressing in parts costs little against Cairo's single stream.
    const std::string path = temp_file("cairo.png");
    ASSERT_EQ(cairo_surface_write_to_png(image.s, path.c_str()), CAIRO_STATUS_SUCCESS);
    const auto cairo_size = static_cast<double>(std::filesystem::file_size(path));
    std::filesystem::remove(path);
    EXPECT_LT(ours.size(), 1.05 * cairo_size);
}

TEST(PngWriter, AFileThatCannotBeWrittenGivesTheSystemsReason) {
    Surface image(test_image(10, 10, 1));
    std::string error;
    EXPECT_FALSE(write_png(image.s, "/nonexistent-directory/picture.png", 2, error));
    EXPECT_EQ(error, std::strerror(ENOENT));
    // A full disk says so, rather than a bare write error.
    EXPECT_FALSE(write_png(image.s, "/dev/full", 2, error));
    EXPECT_EQ(error, std::strerror(ENOSPC));
}

}  // namespace
}  // namespace luwnd::render
