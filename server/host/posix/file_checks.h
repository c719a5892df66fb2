// What is at a path, as the picture writers need to know it.
#pragma once

#include <string>

namespace luwnd::posix {

bool is_directory(const std::string& path);

}  // namespace luwnd::posix
