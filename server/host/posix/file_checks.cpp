#include "file_checks.h"

#include <sys/stat.h>

namespace luwnd::posix {

bool is_directory(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace luwnd::posix
