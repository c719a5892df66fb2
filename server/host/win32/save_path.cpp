#include "save_path.h"

#include <windows.h>

namespace luwnd::win32 {
namespace {

constexpr int kMaxSaves = 100000;

}  // namespace

std::string free_save_path(const std::string& directory, unsigned long process_id, int window,
                           const char* suffix) {
    std::string stem = directory.empty() ? std::string(".") : directory;
    if (stem.back() != '/' && stem.back() != '\\') stem += '\\';
    stem += "luwnd-" + std::to_string(process_id) + "-" + std::to_string(window) + "-";
    for (int k = 1; k <= kMaxSaves; ++k) {
        std::string path = stem + std::to_string(k) + "." + suffix;
        // Anything else in the way (a missing directory) shows when the file is written.
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return path;
    }
    return {};
}

}  // namespace luwnd::win32
