// Where a picture saved from a window goes: "luwnd-<pid>-<window>-<k>.<suffix>" in the
// directory, k the first number from 1 whose file does not exist yet, so that a save never
// replaces an earlier one (nor the picture written when the window closes, nor anything
// else: see picture_new_file.h).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace luwnd::win32 {

// Writes the bytes to a new file of that name; the file written, or empty with the
// reason in error (when every k up to a limit is taken, too).
std::string save_new_picture(const std::string& directory, unsigned long process_id, int window,
                             const char* suffix, const std::vector<std::uint8_t>& bytes,
                             std::string& error);

}  // namespace luwnd::win32
