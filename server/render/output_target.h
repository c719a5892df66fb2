// Where the pictures of a headless window process go:
//   LUMORA_OUTPUT         the directory (default: the current directory)
//   LUMORA_OUTPUT_FORMAT  png (default), svg or pdf, in any case, with or without a
//                         leading dot, so that a file suffix (".svg") works as well
// A directory that does not exist or a format that is none of these is reported on the
// error stream, and the pictures go to the current directory as PNG instead of being lost.
// Each window is written to "luwnd-<process>-<window>.<format>"; when that file exists
// already, to the first free "luwnd-<process>-<window>-<k>.<format>" (k = 1, 2, ...), the
// names a save from the screen takes, so that nothing is overwritten.
#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace luwnd::render {

enum class PictureFormat { kPng = 0, kSvg = 1, kPdf = 2, kEmf = 3 };

struct OutputTarget {
    std::string directory = ".";
    PictureFormat format = PictureFormat::kPng;
    // LUMORA_OUTPUT_FORMAT=none: a window process without a display writes no picture at
    // the end unless the window asks for one.
    bool at_end = true;
};

// Whether a window's picture is written when the process ends: asked (the window's
// 'B' 34 format: 0 none, 1 ... 3 a format, -1 not asked) or, not asked, by a window
// process without a display (every_window) whose target writes pictures at the end.
bool written_at_end(const OutputTarget& target, int asked, bool every_window);

// Whether a file (or anything else) of that name is there; the host's own check.
using PathExists = std::function<bool(const std::string& path)>;

// From the two texts as the environment gives them (nullptr when not set). A format
// that is not known gives the default target, with the reason in warning.
OutputTarget output_target(const char* directory, const char* format,
                           std::string* warning = nullptr);
// The target the environment names; what is wrong with it goes to the error stream.
OutputTarget output_target_from_environment();
// The target itself when its directory is there, else the default target (with the
// reason in warning).
OutputTarget usable_target(const OutputTarget& target, const PathExists& is_directory,
                           std::string& warning);
const char* suffix_of(PictureFormat format);
// The format a file name's extension names (png, svg, pdf, emf in any case), if any.
std::optional<PictureFormat> format_of_file(std::string_view path);
// The format a picture saved to path is written in: the one its extension names, when
// it is among those the host writes and the folder is there; else nothing, with the
// reason in error.
std::optional<PictureFormat> save_format(std::string_view path,
                                         std::initializer_list<PictureFormat> written,
                                         const PathExists& is_directory, std::string& error);
// The directory part of a path ("." when there is none).
std::string directory_of(std::string_view path);
// The file of window n of process p in the target directory.
std::string picture_path(const OutputTarget& target, long process, int window);
// That file, or when it exists the first free numbered name (empty when all are taken).
std::string free_picture_path(const OutputTarget& target, long process, int window,
                              const PathExists& exists);
// The first free "luwnd-<p>-<n>-<k>.<suffix>" in the directory, k from 1 (empty when
// every k up to a limit is taken).
std::string free_numbered_path(const std::string& directory, long process, int window,
                               const char* suffix, const PathExists& exists);

}  // namespace luwnd::render
