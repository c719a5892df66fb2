// What is at a path, as the picture writers need to know it.
#pragma once

#include <string>

namespace luwnd::posix {

// Anything there, a dangling link included: a new picture never replaces it.
bool path_exists(const std::string& path);
bool is_directory(const std::string& path);

}  // namespace luwnd::posix
