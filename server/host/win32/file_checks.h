// What is at a path (ANSI code page), as the picture writers need to know it.
#pragma once

#include <string>

namespace luwnd::win32 {

bool path_exists(const std::string& path);
bool is_directory(const std::string& path);

}  // namespace luwnd::win32
