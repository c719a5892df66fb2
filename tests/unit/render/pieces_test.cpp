// The small rules under the painter: text bytes, mix modes and where pictures go.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace luwnd::render
