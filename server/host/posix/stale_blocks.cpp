#include "stale_blocks.h"

#include <dirent.h>
#include <unistd.h>

#include <vector>

#include "client/platform/posix/runtime_names.h"
#include "owners.h"

namespace luwnd::posix {
namespace {

namespace names = lumora::platform::posix;

std::vector<std::string> block_names_in(const std::string& directory) {
    std::vector<std::string> blocks;
    DIR* dir = opendir(directory.c_str());
    if (dir == nullptr) return blocks;
    while (const dirent* entry = readdir(dir)) {
        if (names::is_block_name(entry->d_name)) blocks.emplace_back(entry->d_name);
    }
    closedir(dir);
    return blocks;
}

}  // namespace

void remove_stale_blocks(const std::string& directory) {
    const std::vector<std::string> blocks = block_names_in(directory);
    for (const std::string& name : blocks) {
        const std::string path = names::block_path(directory, name);
        if (name.find(':') == std::string::npos && owner_is_gone(path)) unlink(path.c_str());
    }
    for (const std::string& name : blocks) {
        const std::size_t colon = name.find(':');
        if (colon == std::string::npos) continue;
        const std::string path = names::block_path(directory, name);
        if (file_is_missing(names::block_path(directory, name.substr(0, colon))) &&
            is_own_file(path))
            unlink(path.c_str());
    }
}

}  // namespace luwnd::posix
