// The Fourier program drawing headless: it starts luwnd by itself, and the spectrum plot
// comes out as a PNG with the axes, ticks and bars where the plot puts them.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "../support/child_process.h"
#include "../support/png_reader.h"
#include "reference_coefficients.h"

namespace lumora::test {
namespace {

constexpr std::uint32_t kOlive = 0x808000;  // colour 13 of the colour table: the bars
constexpr std::uint32_t kBlack = 0x000000;  // the default pen: axes and ticks
// The process ends once it has written its pictures; the file is there by then, but a
// slow machine may take a moment to let go of it.
PngImage wait_for_picture(const std::string& path) {
    for (int i = 0; i < 200; ++i) {
        PngImage image = read_png(path);
        if (image.loaded()) return image;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return {};
}

TEST(FourierPicture, EightSamplesPlotAxesTicksAndBars) {
    const std::string output = temp_path("fourier-pictures");
    ASSERT_TRUE(std::filesystem::create_directory(output));
    const std::string in = temp_path("fourier-picture-in");
    std::ofstream(in) << "8\n1\n";
    set_environment("LUMORA_NAMESPACE", ("fp" + std::to_string(this_process_id())).c_str());
    set_environment("LUMORA_HEADLESS", "1");
    set_environment("LUMORADIR", native_path(LUWND_DIR).c_str());
    set_environment("LUMORA_OUTPUT", output.c_str());
    set_environment("LUMORA_TRACE", nullptr);
    ChildProcess child;
    ChildOptions options;
    options.argv = {native_path(FOURIER_PATH)};
    options.stdin_file = in;
    options.stdout_file = temp_path("fourier-picture-out");
    ASSERT_TRUE(child.start(options));
    ASSERT_EQ(child.wait(60000), 0);

    const std::string path = (std::filesystem::path(output) / "luwnd-1-1.png").string();
    PngImage image = wait_for_picture(path);
    ASSERT_TRUE(image.loaded()) << path;
    EXPECT_EQ(image.width, 640);
    EXPECT_EQ(image.height, 480);
    // The axes: rows 120 and 360 from the first tick column to the last, in the pen
    // colour, crossed by the bars.
    for (int row : {120, 360}) {
        int drawn = 0;
        for (int x = 107; x <= 533; ++x) {
            std::uint32_t p = image.at(x, row);
            drawn += p == kBlack || p == kOlive ? 1 : 0;
        }
        EXPECT_EQ(drawn, 533 - 107 + 1) << row;
        EXPECT_EQ(image.at(100, row), 0xFFFFFFu) << row;
        EXPECT_EQ(image.at(320, row - 3), 0xFFFFFFu) << row;
    }
    // The ticks at x = 213, 320, 427, 533 run from two rows below the axis up to two
    // above it (the end pixel of a line is not drawn, as with GDI's lines) in the pen.
    for (int x : {213, 320, 427, 533}) {
        // A bar from the axis covers one side of the tick, never both.
        EXPECT_TRUE(image.at(x, 119) == kBlack || image.at(x, 121) == kBlack) << x;
        EXPECT_EQ(image.at(x + 1, 119), 0xFFFFFFu) << x;
    }
    // The bars, in colour 13, from each axis to the coefficient (two rows per unit of
    // 60 pixels; y from -2 to 2 over each half of the page).
    for (int k = 0; k <= 4; ++k) {
        const int x = static_cast<int>((k + 1) * 640.0 / 6 + 0.5);
        const double a = coefficient(8, 1.0, k, true), b = coefficient(8, 1.0, k, false);
        const int upper = static_cast<int>(std::lround(240 - (a + 2) * 60));
        const int lower = static_cast<int>(std::lround(480 - (b + 2) * 60));
        if (std::abs(upper - 120) > 3) {
            EXPECT_EQ(image.at(x, (upper + 120) / 2), kOlive) << k;
        }
        if (std::abs(lower - 360) > 3) {
            EXPECT_EQ(image.at(x, (lower + 360) / 2), kOlive) << k;
        }
        EXPECT_EQ(image.at(x + 3, (upper + 120) / 2), 0xFFFFFFu) << k;
    }
    EXPECT_EQ(image.at(2, 2), 0xFFFFFFu);
    std::remove(path.c_str());
    std::remove(in.c_str());
    std::remove(options.stdout_file.c_str());
    std::filesystem::remove(output);
    set_environment("LUMORA_HEADLESS", nullptr);
}

}  // namespace
}  // namespace lumora::test
