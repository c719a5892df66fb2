// The file the fuzz targets let 'B' 11 read: one per fuzzing process, in the temporary
// directory, removed when the process ends normally.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

namespace luwnd::fuzz {

inline const std::string& data_file_path() {
    static const std::string path = [] {
        const char* dir = std::getenv("TMPDIR");
        std::string name = std::string(dir != nullptr && *dir != 0 ? dir : "/tmp") +
                           "/luwnd-fuzz-" + std::to_string(getpid()) + ".lmd";
        std::atexit([] { std::remove(data_file_path().c_str()); });
        return name;
    }();
    return path;
}

}  // namespace luwnd::fuzz
