// The small rules under the painter: text bytes, mix modes and where pictures go.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "server/render/mix_mode.h"
#include "server/render/output_target.h"
#include "server/render/text_bytes.h"

namespace luwnd::render {
namespace {

TEST(TextBytes, ValidUtf8StaysAndOtherBytesAreLatin1) {
    EXPECT_EQ(utf8_from_bytes("plain"), "plain");
    EXPECT_EQ(utf8_from_bytes("\xE6\x97\xA5\xE6\x9C\xAC"), "\xE6\x97\xA5\xE6\x9C\xAC");  // Japanese
    EXPECT_EQ(utf8_from_bytes("\xE9t\xE9"), "\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(utf8_from_bytes("\xE6\x97"), "\xC3\xA6\xC2\x97");              // cut short
    EXPECT_EQ(utf8_from_bytes("\xC0\xAF"), "\xC3\x80\xC2\xAF");              // overlong
    EXPECT_EQ(utf8_from_bytes("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xC2\x80");  // surrogate
    EXPECT_EQ(utf8_from_bytes("\xF4\x90\x80\x80").size(), 8u);               // above U+10FFFF
    EXPECT_EQ(utf8_from_bytes(std::string_view("ab\0cd", 5)), "ab");
}

TEST(MixModes, TheSixteenOperationsCombineBitwise) {
    const std::uint32_t pen = 0xF0F000, dst = 0xFF00FF;
    EXPECT_EQ(apply_mix(kMixCopy, pen, dst), pen);
    EXPECT_EQ(apply_mix(kMixBlack, pen, dst), 0u);
    EXPECT_EQ(apply_mix(kMixNotMergePen, pen, dst), 0x000F00u);
    EXPECT_EQ(apply_mix(kMixMaskNotPen, pen, dst), 0x0F00FFu);
    EXPECT_EQ(apply_mix(kMixNotCopyPen, pen, dst), 0x0F0FFFu);
    EXPECT_EQ(apply_mix(kMixMaskPenNot, pen, dst), 0x00F000u);
    EXPECT_EQ(apply_mix(kMixNot, pen, dst), 0x00FF00u);
    EXPECT_EQ(apply_mix(kMixXorPen, pen, dst), 0x0FF0FFu);
    EXPECT_EQ(apply_mix(kMixNotMaskPen, pen, dst), 0x0FFFFFu);
    EXPECT_EQ(apply_mix(kMixMaskPen, pen, dst), 0xF00000u);
    EXPECT_EQ(apply_mix(kMixNotXorPen, pen, dst), 0xF00F00u);
    EXPECT_EQ(apply_mix(kMixNop, pen, dst), dst);
    EXPECT_EQ(apply_mix(kMixMergeNotPen, pen, dst), 0xFF0FFFu);
    EXPECT_EQ(apply_mix(kMixCopyPen, pen, dst), pen);
    EXPECT_EQ(apply_mix(kMixMergePenNot, pen, dst), 0xF0FF00u);
    EXPECT_EQ(apply_mix(kMixMergePen, pen, dst), 0xFFF0FFu);
    EXPECT_EQ(apply_mix(kMixWhite, pen, dst), 0xFFFFFFu);
    EXPECT_EQ(apply_mix(31, pen, dst), pen);
    EXPECT_EQ(apply_mix(-5, pen, dst), pen);
}

TEST(OutputTarget, DirectoryFormatAndFileName) {
    OutputTarget plain = output_target(nullptr, nullptr);
    EXPECT_EQ(plain.directory, ".");
    EXPECT_EQ(plain.format, PictureFormat::kPng);
    EXPECT_EQ(picture_path(plain, 1, 2), "./luwnd-1-2.png");
    OutputTarget svg = output_target("/tmp/out/", "SVG");
    EXPECT_EQ(picture_path(svg, 3, 63), "/tmp/out/luwnd-3-63.svg");
    EXPECT_EQ(output_target("", ".pdf").format, PictureFormat::kPdf);
    EXPECT_EQ(output_target("", ".pdf").directory, ".");
    EXPECT_EQ(output_target("d", "gif").format, PictureFormat::kPng);
}

// A window that asks for none ('B' 34 0) gets none, one that asks for a format gets it
// (with a display too), and one that does not ask gets the process's choice: a picture
// without a display, unless LUMORA_OUTPUT_FORMAT=none.
TEST(OutputTarget, WhatIsWrittenAtTheEnd) {
    std::string warning;
    const OutputTarget none = output_target("/tmp/out", "None", &warning);
    EXPECT_TRUE(warning.empty()) << warning;
    EXPECT_EQ(none.directory, "/tmp/out");
    EXPECT_FALSE(none.at_end);
    const OutputTarget plain = output_target(nullptr, nullptr);
    EXPECT_TRUE(plain.at_end);
    for (bool every_window : {false, true}) {
        for (const OutputTarget* target : {&plain, &none}) {
            EXPECT_FALSE(written_at_end(*target, 0, every_window));
            for (int format : {1, 2, 3}) EXPECT_TRUE(written_at_end(*target, format, every_window));
        }
    }
    EXPECT_TRUE(written_at_end(plain, -1, true));
    EXPECT_FALSE(written_at_end(plain, -1, false));
    EXPECT_FALSE(written_at_end(none, -1, true));
    EXPECT_FALSE(written_at_end(plain, 4, true));
}

TEST(OutputTarget, AnUnknownFormatFallsBackToTheCurrentDirectoryAsPngAndSaysSo) {
    std::string warning;
    OutputTarget bmp = output_target("/tmp/out", "bmp", &warning);
    EXPECT_EQ(bmp.directory, ".");
    EXPECT_EQ(bmp.format, PictureFormat::kPng);
    EXPECT_NE(warning.find("LUMORA_OUTPUT_FORMAT=bmp"), std::string::npos) << warning;
    // EMF is written by saves only.
    warning.clear();
    EXPECT_EQ(output_target("/tmp/out", "emf", &warning).directory, ".");
    EXPECT_FALSE(warning.empty());
    warning.clear();
    EXPECT_EQ(output_target("/tmp/out", "Svg", &warning).directory, "/tmp/out");
    EXPECT_TRUE(warning.empty());
}

TEST(OutputTarget, AMissingDirectoryFallsBackToTheCurrentDirectoryAsPng) {
    const OutputTarget svg = output_target("/no/such", "svg");
    std::string warning;
    auto nothing_is_a_directory = [](const std::string&) { return false; };
    OutputTarget used = usable_target(svg, nothing_is_a_directory, warning);
    EXPECT_EQ(used.directory, ".");
    EXPECT_EQ(used.format, PictureFormat::kPng);
    EXPECT_NE(warning.find("/no/such"), std::string::npos) << warning;
    warning.clear();
    used = usable_target(
        svg, [](const std::string&) { return true; }, warning);
    EXPECT_EQ(used.directory, "/no/such");
    EXPECT_TRUE(warning.empty());
}

TEST(OutputTarget, AClashTakesTheFirstFreeNumberedName) {
    std::set<std::string> taken;
    auto exists = [&taken](const std::string& path) { return taken.count(path) > 0; };
    const OutputTarget target = output_target("d", nullptr);
    EXPECT_EQ(free_picture_path(target, 1, 2, exists), "d/luwnd-1-2.png");
    taken = {"d/luwnd-1-2.png", "d/luwnd-1-2-1.png"};
    EXPECT_EQ(free_picture_path(target, 1, 2, exists), "d/luwnd-1-2-2.png");
    EXPECT_EQ(free_numbered_path("d\\", 7, 3, "emf", exists), "d\\luwnd-7-3-1.emf");
    EXPECT_EQ(free_numbered_path("d", 7, 3, "png", [](const std::string&) { return true; }), "");
}

TEST(SaveFormat, TheExtensionNamesTheFormatAndTheFolderMustBeThere) {
    using F = PictureFormat;
    auto any = [](const std::string&) { return true; };
    std::string error;
    EXPECT_EQ(save_format("out/a.SVG", {F::kPng, F::kSvg}, any, error), F::kSvg);
    EXPECT_EQ(save_format("a.png", {F::kPng}, any, error), F::kPng);
    for (const char* bad : {"a.bmp", "a", "dir.png/a", "a.emf", ".png.x"}) {
        error.clear();
        EXPECT_FALSE(save_format(bad, {F::kPng, F::kSvg}, any, error)) << bad;
        EXPECT_NE(error.find(".png, .svg"), std::string::npos) << error;
    }
    std::string asked;
    auto none = [&asked](const std::string& d) {
        asked = d;
        return false;
    };
    EXPECT_FALSE(save_format("/no/such/a.png", {F::kPng}, none, error));
    EXPECT_EQ(asked, "/no/such");
    EXPECT_NE(error.find("/no/such"), std::string::npos);
    save_format("a.png", {F::kPng}, none, error);
    EXPECT_EQ(asked, ".");
    save_format("/a.png", {F::kPng}, none, error);
    EXPECT_EQ(asked, "/");
    save_format("C:\\a.png", {F::kPng}, none, error);
    EXPECT_EQ(asked, "C:\\");
}

}  // namespace
}  // namespace luwnd::render
