// Where a picture saved from a window goes: "luwnd-<pid>-<window>-<k>.<suffix>" in the
// directory, k the first number from 1 whose file does not exist yet, so that a save never
// replaces an earlier one (nor the picture written when the window closes).
#pragma once

#include <string>

namespace luwnd::win32 {

// Empty when every k up to a limit is taken.
std::string free_save_path(const std::string& directory, unsigned long process_id, int window,
                           const char* suffix);

}  // namespace luwnd::win32
