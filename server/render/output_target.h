// Where the pictures of a headless window process go:
//   LUMORA_OUTPUT         the directory (default: the current directory)
//   LUMORA_OUTPUT_FORMAT  png (default), svg or pdf, in any case, with or without a
//                         leading dot, so that a file suffix (".svg") works as well;
//                         anything else gives png
// Each window is written to "luwnd-<process>-<window>.<format>".
#pragma once

#include <string>

namespace luwnd::render {

enum class PictureFormat { kPng = 0, kSvg = 1, kPdf = 2 };

struct OutputTarget {
    std::string directory = ".";
    PictureFormat format = PictureFormat::kPng;
};

// From the two texts as the environment gives them (nullptr when not set).
OutputTarget output_target(const char* directory, const char* format);
// The target the environment names.
OutputTarget output_target_from_environment();
const char* suffix_of(PictureFormat format);
// The file of window n of process p in the target directory.
std::string picture_path(const OutputTarget& target, long process, int window);

}  // namespace luwnd::render
