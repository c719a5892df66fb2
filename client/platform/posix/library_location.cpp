#include "library_location.h"

#include <dlfcn.h>

#include <climits>
#include <cstdlib>

namespace lumora::platform::posix {
namespace {

std::string last_part(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string parent(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool is_lib_folder(const std::string& name) {
    return name == "lib" || name == "lib64" || name == "lib32";
}

// A program linked with the static library is called anything; only the shared library
// is named liblumora.so, with or without its version.
bool is_shared_library(const std::string& file) {
    const std::string name = last_part(file);
    return name == "liblumora.so" || name.rfind("liblumora.so.", 0) == 0;
}

std::string with_bin(const std::string& prefix) {
    return prefix == "/" ? "/bin" : prefix + "/bin";
}

}  // namespace

std::string programs_beside(const std::string& library_file) {
    if (library_file.empty() || library_file[0] != '/' || !is_shared_library(library_file))
        return "";
    const std::string folder = parent(library_file);
    if (is_lib_folder(last_part(folder))) return with_bin(parent(folder));
    // A multiarch folder such as lib/x86_64-linux-gnu.
    const std::string above = parent(folder);
    if (last_part(folder).find("-linux-") != std::string::npos && last_part(above) == "lib")
        return with_bin(parent(above));
    return "";
}

std::string programs_beside_library() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&programs_beside_library), &info) == 0 ||
        info.dli_fname == nullptr)
        return "";
    // The loader may have found the file through a relative LD_LIBRARY_PATH or a link.
    char resolved[PATH_MAX];
    if (realpath(info.dli_fname, resolved) == nullptr) return "";
    return programs_beside(resolved);
}

}  // namespace lumora::platform::posix
